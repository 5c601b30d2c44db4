<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फोल्डर सापडले नाही.
कृपया फोल्डरचे योग्य नाव दिले आहे का ते तपासा.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फाइल सापडली नाही.
कृपया फाइलचे योग्य नाव दिले आहे का ते तपासा.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 आधीच अस्तित्वात आहे.
तुम्हाला ती बदलायची आहे का?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>निवडा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटवा (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नवीन फोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>उघडा (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाव बदला (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>जतन करा (&amp;S)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; लेखनापासून सुरक्षित आहे.
तरीही तुम्हाला ती हटवायची आहे का?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सर्व फाइली (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सर्व फाइली (*)</translation>
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
        <translation>तुम्हाला खरोखर &apos;%1&apos; हटवायचे आहे का?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>मागे</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>तपशीलवार दृश्यावर जा</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्यावर जा</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फोल्डर हटवता आले नाही.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नवीन फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>नवीन फोल्डर तयार करा</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटवा</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>तपशीलवार दृश्य</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फोल्डर:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फाइलचे नाव (&amp;N):</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फाइली</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फाइलचा प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फोल्डर शोधा</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>पुढे</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>मागे जा</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>पुढे जा</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>वरच्या फोल्डरमध्ये जा</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>ठिकाणे आणि बुकमार्कची सूची</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>यात पहा:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नवीन फोल्डर</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>वरचे फोल्डर</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>अलीकडील ठिकाणे</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>काढा</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>या नावाने जतन करा</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दाखवा </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>लपवलेल्या फाइली दाखवा (&amp;H)</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>बाजूची पट्टी</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>संगणक</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलल्याचा दिनांक</translation>
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
        <translation>माझा संगणक</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
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
        <translation>उपनाव</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ड्राइव्ह</translation>
    </message>
    <message>
        <source>File</source>
        <translation>फाइल</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>फाइल फोल्डर</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>फाइल फोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>फोल्डर</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>फोल्डर</translation>
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
        <translation>नाही (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>थांबवा</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करा</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>सोडून द्या</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदत</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>दुर्लक्ष करा</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सर्वांना नाही (&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>पुन्हा मांडा</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूळ मांडणी परत आणा</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>पुन्हा प्रयत्न करा</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सर्व जतन करा</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सर्वांना होय (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक आहे (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>जतन करा (&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>जतन न करता बंद करा</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>मूल्य लिहा:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटवा</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>सर्व निवडा (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>एकने वाढवा (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>एकने कमी करा (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 आधीच अस्तित्वात आहे.
तुम्हाला तिच्यावर पुन्हा लिहायचे आहे का?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 योग्य पद्धतीने लिहिलेले नाही. पाने आणि श्रेणी वेगळ्या करण्यासाठी &apos;,&apos; आणि श्रेणी दाखवण्यासाठी &apos;-&apos; वापरा, आणि श्रेणी एकमेकींना छेदणार नाहीत याची काळजी घ्या.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 हे फोल्डर आहे.
कृपया फाइलचे दुसरे नाव निवडा.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>पर्याय (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>पर्याय (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापा (&amp;P)</translation>
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
        <translation>सर्व पाने</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>खालून वर, डावीकडून उजवीकडे</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>खालून वर, उजवीकडून डावीकडे</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोन्ही बाजूंच्या छपाईच्या मांडणीत विरोध</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>सम पाने</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फाइल %1 मध्ये लिहिता येत नाही.
कृपया फाइलचे दुसरे नाव निवडा.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पानांचे अवैध वर्णन</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>डावीकडून उजवीकडे, खालून वर</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>डावीकडून उजवीकडे, वरून खाली</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानिक फाइल</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पाने</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;प्रति कागद पाने&apos; आणि &apos;पानांचा संच&apos; हे पर्याय एकत्र वापरता येत नाहीत.
कृपया त्यांपैकी एक बंद करा.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापा</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फाइलमध्ये छापा ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फाइलमध्ये छापा (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>उजवीकडून डावीकडे, खालून वर</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>उजवीकडून डावीकडे, वरून खाली</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;पासून&apos; चे मूल्य &apos;पर्यंत&apos; च्या मूल्यापेक्षा मोठे असू शकत नाही.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोन्ही बाजूंच्या छपाईच्या मांडणीत विरोध आहे. तुम्हाला तो दुरुस्त करायचा आहे का?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>वरून खाली, डावीकडून उजवीकडे</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>वरून खाली, उजवीकडून डावीकडे</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फाइल लिहा</translation>
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
        <translation>PDF मध्ये निर्यात करा</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>पहिले पान</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>पूर्ण पान दाखवा</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>रुंदीनुसार</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आडवे</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>शेवटचे पान</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>पुढचे पान</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>पान मांडणी</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>पान मांडणी</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>उभे</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>मागचे पान</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापा</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>छपाई पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>समोरासमोरची पाने दाखवा</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>सर्व पानांचा आढावा दाखवा</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>एक पान दाखवा</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>मोठे करा</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>लहान करा</translation>
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
        <translation>स्वतःचे</translation>
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
        <translation>फॉर्म</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>उंची:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आडवे</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>समास</translation>
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
        <translation>पानाची रचना</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पानांचा क्रम:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पानाचा आकार:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति कागद पाने:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>कागद</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>कागदाचा स्रोत:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पायका (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>उभे</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उलटे आडवे</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उलटे उभे</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>रुंदी:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>खालचा समास</translation>
    </message>
    <message>
        <source>in</source>
        <translation>इंच</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>डावा समास</translation>
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
        <translation>उजवा समास</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>वरचा समास</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>नाव (&amp;N):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फॉर्म</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ठिकाण:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुणधर्म (&amp;R)</translation>
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
        <translation>क्रमाने लावा</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीत</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रती</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रती:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>सध्याचे पान</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोन्ही बाजूंनी छपाई</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फॉर्म</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>कृष्णधवल</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लांब बाजूने बांधणी</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>पर्याय</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>छपाईची मांडणी</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पानांचा संच:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पाने</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पाने</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सर्व छापा</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>छपाईची श्रेणी</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उलट्या क्रमाने</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>निवड</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>लहान बाजूने बांधणी</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>पाने किंवा श्रेणी स्वल्पविरामाने वेगळ्या करून लिहा. श्रेणी दोन संख्यांमध्ये डॅश देऊन लिहितात. उदा.: 3,5-7,9 पाने 3, 5, 6, 7 आणि 9 छापते.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ते</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>प्रगत</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पान</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>काही पर्यायांत विरोध आहे. कृपया तो दुरुस्त करा.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>प्रगत पर्यायांत विरोध</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>छपाई कामाचे पर्याय</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पान मांडणीत विरोध</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटरचे गुणधर्म</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पान मांडणीत विरोध आहे. तुम्हाला तो दुरुस्त करायचा आहे का?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>काही प्रगत पर्यायांत विरोध आहे. तुम्हाला तो दुरुस्त करायचा आहे का?</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>ओळख आवश्यक आहे</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 वर %1 वापरण्यासाठी ओळख आवश्यक आहे.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 वापरण्यासाठी ओळख आवश्यक आहे.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>पासवर्ड:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>वापरकर्त्याचे नाव:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>आपोआप</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>आपोआप</translation>
    </message>
</context>
</TS>
