<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
कृपया जाँचें कि फ़ोल्डर का सही नाम दिया गया है।</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
कृपया जाँचें कि फ़ाइल का सही नाम दिया गया है।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; लिखने से सुरक्षित है।
क्या आप फिर भी इसे हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>क्या आप सचमुच &apos;%1&apos; हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य पर जाएँ</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपर के फ़ोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>इसमें देखें:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलाव का दिनांक</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>प्रकार</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ड्राइव</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फ़ाइल</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>फ़ाइल फ़ोल्डर</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>फ़ाइल फ़ोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी को नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूल सेटिंग वापस लाएँ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सब सहेजें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी को हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>सहेजे बिना बंद करें</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>मान लिखें:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सब चुनें</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>सब चुनें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>एक बढ़ाएँ (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>एक घटाएँ (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही ढंग से नहीं लिखा गया है। पृष्ठों और श्रेणियों को अलग करने के लिए &apos;,&apos; और श्रेणी बताने के लिए &apos;-&apos; का उपयोग करें, और ध्यान रखें कि श्रेणियाँ एक-दूसरे को न काटें।</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कृपया फ़ाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कृपया फ़ाइल का कोई दूसरा नाम चुनें।</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पृष्ठों का अमान्य विवरण</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;प्रति शीट पृष्ठ&apos; और &apos;पृष्ठ समूह&apos; विकल्प एक साथ उपयोग नहीं किए जा सकते।
कृपया इनमें से एक बंद करें।</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में छापें ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में छापें (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;से&apos; का मान &apos;तक&apos; के मान से बड़ा नहीं हो सकता।</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव है। क्या आप इसे ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF में निर्यात करें</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहला पृष्ठ</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूरा पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>चौड़ाई के अनुसार</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>अंतिम पृष्ठ</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पृष्ठ सेटअप</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>छपाई पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>आमने-सामने पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सभी पृष्ठों का सार दिखाएँ</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पृष्ठ दिखाएँ</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>बड़ा करें</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>छोटा करें</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>अपना</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>डिडो (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ का रूप</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठों का क्रम:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>कागज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>कागज़ का स्रोत:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उलटा आड़ा</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उलटा खड़ा</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>नीचे का हाशिया</translation>
    </message>
    <message>
        <source>in</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बायाँ हाशिया</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>मिमी</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>पॉइंट</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दायाँ हाशिया</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपर का हाशिया</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>क्रम से लगाएँ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों ओर छपाई</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>श्वेत-श्याम</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी ओर से जिल्द</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>छपाई की सेटिंग</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ समूह:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब छापें</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>छपाई की सीमा</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उलटे क्रम में</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयन</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी ओर से जिल्द</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पृष्ठ या श्रेणियाँ अल्पविराम से अलग करके लिखें। श्रेणी दो संख्याओं के बीच डैश से लिखी जाती है। जैसे: 3,5-7,9 पृष्ठ 3, 5, 6, 7 और 9 छापता है।</translation>
    </message>
    <message>
        <source>to</source>
        <translation>से</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्पों में टकराव है। कृपया उन्हें ठीक करें।</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>छपाई कार्य के विकल्प</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पृष्ठ सेटअप में टकराव</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पृष्ठ सेटअप में टकराव है। क्या आप इसे ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्पों में टकराव है। क्या आप इसे ठीक करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>पहचान आवश्यक है</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 पर %1 का उपयोग करने के लिए पहचान आवश्यक है।</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 का उपयोग करने के लिए पहचान आवश्यक है।</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>उपयोगकर्ता नाम:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>स्वचालित</translation>
    </message>
</context>
</TS>
