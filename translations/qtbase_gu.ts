<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ફોલ્ડર મળ્યું નહીં.
કૃપા કરીને ફોલ્ડરનું સાચું નામ આપ્યું છે તે ચકાસો.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ફાઇલ મળી નહીં.
કૃપા કરીને ફાઇલનું સાચું નામ આપ્યું છે તે ચકાસો.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 પહેલેથી છે.
શું તમે તેને બદલવા માગો છો?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>પસંદ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>કાઢી નાખો (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>નવું ફોલ્ડર (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>ખોલો (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>નામ બદલો (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>સાચવો (&amp;S)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; લખવા સામે સુરક્ષિત છે.
શું તમે છતાં તેને કાઢી નાખવા માગો છો?</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>બધી ફાઇલો (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>બધી ફાઇલો (*)</translation>
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
        <translation>શું તમે ખરેખર &apos;%1&apos; કાઢી નાખવા માગો છો?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>પાછળ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>વિગતવાર દેખાવ પર જાઓ</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>યાદી દેખાવ પર જાઓ</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ફોલ્ડર કાઢી શકાયું નહીં.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>નવું ફોલ્ડર બનાવો</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>નવું ફોલ્ડર બનાવો</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>વિગતવાર દેખાવ</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>ફોલ્ડરો</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>ફોલ્ડર:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ફાઇલનું નામ (&amp;N):</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ફાઇલો</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ફાઇલનો પ્રકાર:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>ફોલ્ડર શોધો</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>આગળ</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>પાછળ જાઓ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>આગળ જાઓ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ઉપરના ફોલ્ડરમાં જાઓ</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>યાદી દેખાવ</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>સ્થળો અને બુકમાર્કની યાદી</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>આમાં જુઓ:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>નવું ફોલ્ડર</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ખોલો</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ઉપરનું ફોલ્ડર</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>તાજેતરનાં સ્થળો</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>દૂર કરો</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>આ રીતે સાચવો</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>બતાવો </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>છુપી ફાઇલો બતાવો (&amp;H)</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>બાજુની પટ્ટી</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>કમ્પ્યુટર</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>બદલ્યાની તારીખ</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>પ્રકાર</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>Match OS X Finder</comment>
        <translation>પ્રકાર</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>મારું કમ્પ્યુટર</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>નામ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>કદ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>પ્રકાર</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>પ્રકાર</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Alias</source>
        <translation>ઉપનામ</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ડ્રાઇવ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ફાઇલ</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>ફાઇલ ફોલ્ડર</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>ફાઇલ ફોલ્ડર</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>ફોલ્ડર</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>ફોલ્ડર</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>શોર્ટકટ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>અજ્ઞાત</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>ના (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>હા (&amp;Y)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>અટકાવો</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>લાગુ કરો</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>છોડી દો</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>મદદ</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>અવગણો</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>બધાને ના (&amp;O)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ખોલો</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ફરી ગોઠવો</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>મૂળ ગોઠવણ પાછી લાવો</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ફરી પ્રયાસ કરો</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>બધું સાચવો</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>બધાને હા (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>રદ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>બંધ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>બરાબર (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>સાચવો (&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>સાચવ્યા વિના બંધ કરો</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>કિંમત લખો:</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>બધું પસંદ કરો (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>એક વધારો (&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>એક ઘટાડો (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 પહેલેથી છે.
શું તમે તેના પર ફરી લખવા માગો છો?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 સાચી રીતે લખાયું નથી. પાનાં અને શ્રેણીઓ અલગ પાડવા &apos;,&apos; અને શ્રેણી દર્શાવવા &apos;-&apos; વાપરો, અને શ્રેણીઓ એકબીજાને ન છેદે તે જુઓ.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 ફોલ્ડર છે.
કૃપા કરીને ફાઇલનું બીજું નામ પસંદ કરો.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>વિકલ્પો (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>વિકલ્પો (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>છાપો (&amp;P)</translation>
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
        <translation>બધાં પાનાં</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>નીચેથી ઉપર, ડાબેથી જમણે</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>નીચેથી ઉપર, જમણેથી ડાબે</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>બંને બાજુ છાપવાની ગોઠવણમાં વિરોધ</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>બેકી પાનાં</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>ફાઇલ %1 માં લખી શકાતું નથી.
કૃપા કરીને ફાઇલનું બીજું નામ પસંદ કરો.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>પાનાંની અમાન્ય રજૂઆત</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>ડાબેથી જમણે, નીચેથી ઉપર</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>ડાબેથી જમણે, ઉપરથી નીચે</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>સ્થાનિક ફાઇલ</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>એકી પાનાં</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;પાન દીઠ પાનાં&apos; અને &apos;પાનાંનો સમૂહ&apos; વિકલ્પો સાથે વાપરી શકાતા નથી.
કૃપા કરીને તેમાંથી એક બંધ કરો.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>છાપો</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>ફાઇલમાં છાપો ...</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>ફાઇલમાં છાપો (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>જમણેથી ડાબે, નીચેથી ઉપર</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>જમણેથી ડાબે, ઉપરથી નીચે</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;થી&apos; ની કિંમત &apos;સુધી&apos; ની કિંમત કરતાં મોટી ન હોઈ શકે.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>બંને બાજુ છાપવાની ગોઠવણમાં વિરોધ છે. શું તમે તેને સુધારવા માગો છો?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ઉપરથી નીચે, ડાબેથી જમણે</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ઉપરથી નીચે, જમણેથી ડાબે</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF ફાઇલ લખો</translation>
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
        <translation>PDF માં નિકાસ કરો</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>પહેલું પાનું</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>આખું પાનું બતાવો</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>પહોળાઈ પ્રમાણે</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>આડું</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>છેલ્લું પાનું</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>આગલું પાનું</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>પાનાની ગોઠવણ</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>પાનાની ગોઠવણ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>ઊભું</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>પાછલું પાનું</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>છાપો</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>છાપવાનું પૂર્વદર્શન</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>સામસામાં પાનાં બતાવો</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>બધાં પાનાંની ઝાંખી બતાવો</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>એક પાનું બતાવો</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>મોટું કરો</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>નાનું કરો</translation>
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
        <translation>સિસેરો (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>પોતાનું</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ડિડો (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ફોર્મ</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ઊંચાઈ:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>ઇંચ</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>આડું</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>હાંસિયા</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>મિલીમીટર</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>દિશા</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>પાનાનો દેખાવ</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>પાનાંનો ક્રમ:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>પાનાનું કદ:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>કાગળ દીઠ પાનાં:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>કાગળ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>કાગળનો સ્રોત:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>પાઇકા (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>પોઇન્ટ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>ઊભું</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>ઊલટું આડું</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>ઊલટું ઊભું</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>પહોળાઈ:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>નીચેનો હાંસિયો</translation>
    </message>
    <message>
        <source>in</source>
        <translation>ઇંચ</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ડાબો હાંસિયો</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>મિમી</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>પોઇન્ટ</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>જમણો હાંસિયો</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ઉપરનો હાંસિયો</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>નામ (&amp;N):</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ફોર્મ</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>સ્થાન:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>આઉટપુટ ફાઇલ (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>ગુણધર્મો (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>પૂર્વદર્શન</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>પ્રિન્ટર</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>પ્રકાર:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>ક્રમમાં ગોઠવો</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>રંગીન</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>રંગ</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>નકલો</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>નકલો:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>હાલનું પાનું</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>બંને બાજુ છાપવું</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ફોર્મ</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>શ્વેત-શ્યામ</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>લાંબી બાજુએ બાંધણી</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>બંધ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>વિકલ્પો</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>છાપવાની ગોઠવણ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>પાનાંનો સમૂહ:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>પાનાં</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>પાનાં</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>બધું છાપો</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>છાપવાની શ્રેણી</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>ઊલટા ક્રમમાં</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>પસંદગી</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>ટૂંકી બાજુએ બાંધણી</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>પાનાં કે શ્રેણીઓ અલ્પવિરામથી અલગ કરીને લખો. શ્રેણી બે અંકો વચ્ચે ડેશથી લખાય છે. જેમ કે: 3,5-7,9 પાનાં 3, 5, 6, 7 અને 9 છાપે છે.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>થી</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>વધુ વિકલ્પો</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ફોર્મ</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>પાનું</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>કેટલાક વિકલ્પોમાં વિરોધ છે. કૃપા કરીને તેને સુધારો.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>વધુ વિકલ્પોમાં વિરોધ</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>છાપકામના વિકલ્પો</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>પાનાની ગોઠવણમાં વિરોધ</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>પ્રિન્ટરના ગુણધર્મો</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>પાનાની ગોઠવણમાં વિરોધ છે. શું તમે તેને સુધારવા માગો છો?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>કેટલાક વધુ વિકલ્પોમાં વિરોધ છે. શું તમે તેને સુધારવા માગો છો?</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>ઓળખ જરૂરી છે</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>%2 પર %1 વાપરવા ઓળખ જરૂરી છે.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>%1 વાપરવા ઓળખ જરૂરી છે.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>પાસવર્ડ:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>વપરાશકર્તાનું નામ:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>આપમેળે</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>આપમેળે</translation>
    </message>
</context>
</TS>
