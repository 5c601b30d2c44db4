<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu">
<context>
    <name>Coordinates</name>
    <message>
        <source>N</source>
        <extracomment>Latitude north of the equator</extracomment>
        <translation>ઉ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Latitude south of the equator</extracomment>
        <translation>દ</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Longitude east of Greenwich</extracomment>
        <translation>પૂ</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Longitude west of Greenwich</extracomment>
        <translation>પ</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>Vaar Vela</source>
        <extracomment>Almanac mark on one of the day&apos;s eight parts (the weekday&apos;s own bad part)</extracomment>
        <translation>વાર વેળા</translation>
    </message>
    <message>
        <source>Kaal Vela</source>
        <extracomment>Almanac mark on a part of the day ruled by Saturn</extracomment>
        <translation>કાળ વેળા</translation>
    </message>
    <message>
        <source>Kaal Ratri</source>
        <extracomment>Almanac mark on a part of the night ruled by Saturn</extracomment>
        <translation>કાળ રાત્રિ</translation>
    </message>
    <message>
        <source>Rahu Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Rahu</extracomment>
        <translation>રાહુ કાળ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <extracomment>Almanac mark: the part of the day called Yamaganda</extracomment>
        <translation>યમગંડ</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Gulika</extracomment>
        <translation>ગુલિક કાળ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>કૃપા કરીને નામ લખો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>કૃપા કરીને રેખાંશના અંશમાં 0 થી 179 વચ્ચેની કિંમત લખો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>કૃપા કરીને રેખાંશની મિનિટમાં 0 થી 59 વચ્ચેની કિંમત લખો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશના અંશમાં 0 થી 89 વચ્ચેની કિંમત લખો</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>કૃપા કરીને અક્ષાંશની મિનિટમાં 0 થી 59 વચ્ચેની કિંમત લખો</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>કૃપા કરીને કાર્યની સાચી તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <source>Please Enter Correct Time Of Work</source>
        <translation>કૃપા કરીને કાર્યનો સાચો સમય પસંદ કરો</translation>
    </message>
    <message>
        <source>Please Enter Time Zone</source>
        <translation>કૃપા કરીને સમય ઝોન લખો</translation>
    </message>
    <message>
        <source>Sun Does Not Rise Or Set At This Place Around This Date</source>
        <translation>આ તારીખની આસપાસ આ સ્થળે સૂર્ય ઊગતો કે આથમતો નથી</translation>
    </message>
    <message>
        <source>Sun Rise And Sun Set Do Not Fall On This Date Here</source>
        <translation>અહીં સૂર્યોદય અને સૂર્યાસ્ત આ તારીખે આવતા નથી</translation>
    </message>
    <message>
        <source>Sun Sets After Midnight Here On %1, Next To This Date, So This Date Cannot Be Evaluated</source>
        <translatorcomment>%1 is a date</translatorcomment>
        <translation>અહીં %1 ના રોજ, આ તારીખની પાસેની તારીખે, સૂર્યાસ્ત મધ્યરાત્રિ પછી થાય છે, તેથી આ તારીખનું મૂલ્યાંકન થઈ શકતું નથી</translation>
    </message>
    <message>
        <source>Sun Rise Comes After Sun Set In This Time Zone. Check the zone&apos;s sign: zones east of Greenwich are negative (India: hours -5, minutes 30 or -30)</source>
        <translation>આ સમય ક્ષેત્રમાં સૂર્યોદય સૂર્યાસ્ત પછી આવે છે. સમય ક્ષેત્રનું ચિહ્ન તપાસો: ગ્રીનવિચની પૂર્વના ક્ષેત્રો ઋણ હોય છે (ભારત: કલાક -5, મિનિટ 30 અથવા -30)</translation>
    </message>
    <message>
        <source>No %1 Period From %2 To %3: After The Time Of Work None Of These Dates Has Its Sun Rise And Sun Set In Order Here</source>
        <translatorcomment>%1 is a kind of period (favorable, or a period name), %2 the time of work, %3 a date</translatorcomment>
        <translation>%2 થી %3 સુધી કોઈ %1 સમયગાળો નથી: કાર્યના સમય પછી આમાંથી કોઈ તારીખે અહીં સૂર્યોદય અને સૂર્યાસ્ત ક્રમમાં નથી</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>ફક્ત અંકો સ્વીકાર્ય છે</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>કૃપા કરીને ફક્ત અક્ષરો લખો</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>કૃપા કરીને શહેર લખો</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>કૃપા કરીને રાજ્ય લખો</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>કૃપા કરીને દેશ લખો</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>પ્રોગ્રામ પહેલેથી ચાલી રહ્યો છે</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>આ સોફ્ટવેરનું નવું સંસ્કરણ ઉપલબ્ધ હોઈ શકે છે<byte value="xd"/>શું તમે અપડેટ તપાસવા માગો છો?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ઇમેઇલ સરનામામાં ખાલી જગ્યા ન હોઈ શકે</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>કૃપા કરીને અલગ અલગ ઇમેઇલ સરનામાં લખો</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>કૃપા કરીને સાચું ઇમેઇલ સરનામું લખો</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>કૃપા કરીને તમારું નામ લખો</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>કૃપા કરીને તમારો ઇમેઇલ લખો</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>કૃપા કરીને તમારો સંદેશ લખો</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>કૃપા કરીને તમારા મિત્રનું નામ લખો</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>કૃપા કરીને તમારા મિત્રનો ઇમેઇલ લખો</translation>
    </message>
    <message>
        <source>Application cannot check whether it is already running: no lock file can be made in %1</source>
        <translation>પ્રોગ્રામ તપાસી શકતો નથી કે તે પહેલેથી ચાલી રહ્યો છે કે નહીં: %1 માં લૉક ફાઇલ બનાવી શકાતી નથી</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>જાન્યુઆરી</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ફેબ્રુઆરી</translation>
    </message>
    <message>
        <source>March</source>
        <translation>માર્ચ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>એપ્રિલ</translation>
    </message>
    <message>
        <source>May</source>
        <translation>મે</translation>
    </message>
    <message>
        <source>June</source>
        <translation>જૂન</translation>
    </message>
    <message>
        <source>July</source>
        <translation>જુલાઈ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ઑગસ્ટ</translation>
    </message>
    <message>
        <source>September</source>
        <translation>સપ્ટેમ્બર</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ઑક્ટોબર</translation>
    </message>
    <message>
        <source>November</source>
        <translation>નવેમ્બર</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ડિસેમ્બર</translation>
    </message>
</context>
<context>
    <name>Periods</name>
    <message>
        <source>Amrut</source>
        <translation>અમૃત</translation>
    </message>
    <message>
        <source>Shubh</source>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>Labh</source>
        <translation>લાભ</translation>
    </message>
    <message>
        <source>Chal</source>
        <extracomment>Name of a Choghadiya period (the moving, intermediate one), not &quot;walk&quot;</extracomment>
        <translation>ચલ</translation>
    </message>
    <message>
        <source>Udveg</source>
        <translation>ઉદ્વેગ</translation>
    </message>
    <message>
        <source>Rog</source>
        <translation>રોગ</translation>
    </message>
    <message>
        <source>Kal</source>
        <extracomment>Name of a Choghadiya period (the inauspicious one of death), not &quot;tomorrow&quot; or &quot;time&quot;</extracomment>
        <translation>કાળ</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>સૂર્ય</translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>ચંદ્ર</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>મંગળ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>બુધ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>ગુરુ</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>શુક્ર</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>શનિ</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Time period for work can be favorable.</source>
        <translation>કાર્ય માટે આ સમય શુભ હોઈ શકે છે.</translation>
    </message>
    <message>
        <source>Time period for work can be intermediate.</source>
        <translation>કાર્ય માટે આ સમય મધ્યમ હોઈ શકે છે.</translation>
    </message>
    <message>
        <source>Time period for work can be unfavorable.</source>
        <translation>કાર્ય માટે આ સમય અશુભ હોઈ શકે છે.</translation>
    </message>
    <message>
        <source>favorable</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>intermediate</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>unfavorable</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>અશુભ</translation>
    </message>
</context>
<context>
    <name>velnora::AddToCalendar</name>
    <message>
        <source>The calendar file %1 could not be written: %2</source>
        <translation>કૅલેન્ડર ફાઇલ %1 લખી શકાઈ નહીં: %2</translation>
    </message>
    <message>
        <source>%1 favorable periods of %2 days were written to %3.</source>
        <translation>%2 દિવસનાં %1 શુભ ચોઘડિયાં %3 માં લખાયાં.</translation>
    </message>
    <message>
        <source>the contents could not be written in full</source>
        <translation>પૂરી સામગ્રી લખી શકાઈ નહીં</translation>
    </message>
    <message>
        <source>a link another user made in a shared folder is not followed</source>
        <translation>વહેંચાયેલા ફોલ્ડરમાં બીજા વપરાશકર્તાએ બનાવેલી કડીને અનુસરવામાં આવતી નથી</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>આ સામાન્ય ફાઇલ નથી</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>આ એક ફોલ્ડર છે</translation>
    </message>
    <message>
        <source>the file is read-only for this user</source>
        <translation>આ ફાઇલ આ વપરાશકર્તા માટે ફક્ત વાંચવા માટે છે</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>પરવાનગી નથી</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>ફાઇલ સિસ્ટમ ફક્ત વાંચવા માટે છે</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>ડિસ્ક પર જગ્યા બાકી નથી</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>આવી કોઈ ફાઇલ કે ફોલ્ડર નથી</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>ફાઇલનું નામ ખૂબ લાંબું છે</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>કડીઓના ઘણા બધા સ્તર છે</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>ફાઇલ ખૂબ મોટી છે</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>ઇનપુટ/આઉટપુટ ભૂલ</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>સિસ્ટમ ભૂલ %1</translation>
    </message>
    <message>
        <source>%1 favorable periods without an almanac mark of %2 days were written to %3.</source>
        <translation>%2 દિવસનાં વર્જિત સમય વિનાનાં %1 શુભ ચોઘડિયાં %3 માં લખાયાં.</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>પહેલું</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>બીજું</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>ત્રીજું</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>ચોથું</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>પાંચમું</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>છઠ્ઠું</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>સાતમું</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>આઠમું</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>a calendar&apos;s place: its names, then its latitude and longitude</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <extracomment>the calendar&apos;s name in a calendar program&apos;s list</extracomment>
        <translation>ચોઘડિયું</translation>
    </message>
    <message>
        <source>Choghadiya at %1</source>
        <translation>%1 નાં ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Choghadiya periods of 1 day, %1</source>
        <translation>1 દિવસનાં ચોઘડિયાં, %1</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of 1 day, %1</source>
        <translation>1 દિવસનાં શુભ ચોઘડિયાં, %1</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 દિવસનાં ચોઘડિયાં, %2 થી %3</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 દિવસનાં શુભ ચોઘડિયાં, %2 થી %3</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days</source>
        <translation>%1 દિવસનાં ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days</source>
        <translation>%1 દિવસનાં શુભ ચોઘડિયાં</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>an event&apos;s title: the period&apos;s name and its verdict</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a favorable</source>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>an intermediate</source>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>an unfavorable</source>
        <translation>અશુભ</translation>
    </message>
    <message>
        <source>%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the night, from sunset to the next sunrise</source>
        <translation>%1 એ %3 માં %2 ચોઘડિયું છે: રાત્રિનાં આઠ ચોઘડિયાંમાંથી %4, સૂર્યાસ્તથી બીજા સૂર્યોદય સુધી</translation>
    </message>
    <message>
        <source>%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the day, from sunrise to sunset</source>
        <translation>%1 એ %3 માં %2 ચોઘડિયું છે: દિવસનાં આઠ ચોઘડિયાંમાંથી %4, સૂર્યોદયથી સૂર્યાસ્ત સુધી</translation>
    </message>
    <message>
        <source>%1; its part after midnight</source>
        <translation>%1; તેનો મધ્યરાત્રિ પછીનો ભાગ</translation>
    </message>
    <message>
        <source>%1; its part before midnight</source>
        <translation>%1; તેનો મધ્યરાત્રિ પહેલાંનો ભાગ</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>ends an event&apos;s description</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 (%2) begins now</source>
        <translation>%1 (%2) હમણાં શરૂ થાય છે</translation>
    </message>
    <message>
        <source>%1 (%2) begins in %3 minutes</source>
        <translation>%1 (%2) %3 મિનિટમાં શરૂ થાય છે</translation>
    </message>
    <message>
        <source>%1, without an almanac mark</source>
        <extracomment>what a calendar of only the periods without an almanac mark covers</extracomment>
        <translation>%1, પંચાંગના કોઈ વર્જિત સમય વિના</translation>
    </message>
    <message>
        <source>%1 The almanac marks it as %2, in which no auspicious work is begun.</source>
        <translation>%1 પંચાંગમાં તે %2 છે, જેમાં કોઈ શુભ કાર્ય શરૂ કરાતું નથી.</translation>
    </message>
</context>
<context>
    <name>velnora::Banners</name>
    <message>
        <source>Got a question about good times? Ask it in our online discussion forum. Click here to visit now!</source>
        <translation>શુભ સમય વિશે કોઈ પ્રશ્ન છે? અમારા ઓનલાઇન ચર્ચા મંચ પર પૂછો. હમણાં જોવા માટે અહીં ક્લિક કરો!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ઘરેથી વ્યવસાયની તક. તમારો પોતાનો ઇન્ટરનેટ વ્યવસાય શરૂ કરો અને ઓનલાઇન પૈસા કમાઓ. આ સોફ્ટવેર પૂરેપૂરું તમારી વેબસાઇટના બ્રાન્ડ સાથે મેળવો. વધુ માહિતી માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>આ સોફ્ટવેર પર તમારી સાઇટનું કો-બ્રાન્ડ લગાવો. તમારી સાઇટના વાચકો અને ટ્રાફિક વધારો. તમારી સાઇટનું નામ અને લિંક અહીં મૂકો. વિગતો માટે &quot;મદદ&quot; જુઓ. કો-બ્રાન્ડિંગ વિશે વધુ માહિતી માટે અહીં ક્લિક કરો.</translation>
    </message>
    <message>
        <source>Forum</source>
        <extracomment>the strip at the top of a window that links to the discussion forum</extracomment>
        <translation>ચર્ચા મંચ</translation>
    </message>
    <message>
        <source>Offers</source>
        <extracomment>the strip at the bottom of a window with the promotional offers</extracomment>
        <translation>ઑફર</translation>
    </message>
</context>
<context>
    <name>velnora::CalendarDialogs</name>
    <message>
        <source>Number of days to put into the calendar:</source>
        <translation>કૅલેન્ડરમાં મૂકવાના દિવસોની સંખ્યા:</translation>
    </message>
    <message>
        <source>Add to Calendar</source>
        <translation>કૅલેન્ડરમાં ઉમેરો</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>કૅલેન્ડર ફાઇલો (*.ics)</translation>
    </message>
    <message>
        <source>Every favorable period</source>
        <translation>બધાં શુભ ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Only favorable periods without an almanac mark (Rahu Kaal, Kaal Vela, Kaal Ratri ...)</source>
        <translation>ફક્ત વર્જિત સમય વિનાનાં શુભ ચોઘડિયાં (રાહુ કાળ, કાળ વેળા, કાળ રાત્રિ ...)</translation>
    </message>
    <message>
        <source>Periods to put into the calendar:</source>
        <translation>કૅલેન્ડરમાં મૂકવાનાં ચોઘડિયાં:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ઘરેથી વ્યવસાયની તક. તમારો પોતાનો ઇન્ટરનેટ વ્યવસાય શરૂ કરો અને ઓનલાઇન પૈસા કમાઓ. આ સોફ્ટવેર પૂરેપૂરું તમારી વેબસાઇટના બ્રાન્ડ સાથે મેળવો.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 જોવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>વધુ માહિતી માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>બરાબર (&amp;O)</translation>
    </message>
</context>
<context>
    <name>velnora::FrmDisplay</name>
    <message>
        <source>Date of Work :</source>
        <translation>કાર્યની તારીખ :</translation>
    </message>
    <message>
        <source>Time of Work :</source>
        <translation>કાર્યનો સમય :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>રેખાંશ :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>અક્ષાંશ :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>શહેર :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>રાજ્ય :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>દેશ :</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>સૂર્યોદયનો સમય</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>સૂર્યાસ્તનો સમય</translation>
    </message>
    <message>
        <source>Chogadiya helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>ચોઘડિયું તમને એવો શુભ સમય શોધવામાં મદદ કરે છે જેમાં તમે કોઈ મહત્વનું કાર્ય શરૂ કરી શકો. સારા પરિણામ માટે મહત્વનાં કાર્યો શુભ સમયમાં કરો અને અશુભ સમયમાં તેમને ટાળો.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ખાલી</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>returns from the result to the input window (&quot;go back&quot;), not the reverse side</extracomment>
        <translation>પાછા (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>સોફ્ટવેર અપડેટ તપાસો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>બહાર નીકળો (&amp;E)</translation>
    </message>
    <message>
        <source>Velnora Result</source>
        <translation>Velnora પરિણામ</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>તમારી વિગતો</translation>
    </message>
    <message>
        <source>Sun Rise Details</source>
        <translation>સૂર્યોદય અને સૂર્યાસ્ત</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>ફળ</translation>
    </message>
    <message>
        <source>Choghadiya for given day:</source>
        <translation>આપેલા દિવસનું ચોઘડિયું:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmFarewell</name>
    <message>
        <source>Programs like Velnora can only be made and kept up with your support, and the best support you can give is to visit the Quenvale Forum regularly and take part in its discussions and activities.</source>
        <translation>Velnora જેવા પ્રોગ્રામ તમારા સહયોગથી જ બની અને ચાલી શકે છે, અને તમે આપી શકો તે શ્રેષ્ઠ સહયોગ એ છે કે Quenvale ફોરમની નિયમિત મુલાકાત લો અને તેની ચર્ચાઓ અને પ્રવૃત્તિઓમાં ભાગ લો.</translation>
    </message>
    <message>
        <source>Please visit the Quenvale Forum regularly and join in its discussions and activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <translation>કૃપા કરીને Quenvale ફોરમની નિયમિત મુલાકાત લો અને તેની ચર્ચાઓ અને પ્રવૃત્તિઓમાં જોડાઓ. તમારી નિયમિત મુલાકાતો વિના અમે આવા પ્રોગ્રામ ચલાવી અને જાળવી શકતા નથી.</translation>
    </message>
    <message>
        <source>The Quenvale Forum is a free online discussion forum. Every regular visit you pay it helps us develop and maintain Velnora.</source>
        <translation>Quenvale ફોરમ એક મફત ઓનલાઇન ચર્ચા મંચ છે. ત્યાં તમારી દરેક નિયમિત મુલાકાત Velnora વિકસાવવામાં અને જાળવવામાં અમને મદદ કરે છે.</translation>
    </message>
    <message>
        <source>The Quenvale Forum needs your help! Visit it regularly and take part in its discussions and activities, and you help us maintain and develop more programs.</source>
        <translation>Quenvale ફોરમને તમારી મદદની જરૂર છે! તેની નિયમિત મુલાકાત લો અને તેની ચર્ચાઓ અને પ્રવૃત્તિઓમાં ભાગ લો, તેનાથી તમે વધુ પ્રોગ્રામ જાળવવામાં અને વિકસાવવામાં અમને મદદ કરો છો.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>બહાર નીકળો (&amp;X)</translation>
    </message>
    <message>
        <source>Visit The Quenvale Forum Now!</source>
        <translation>હમણાં Quenvale ફોરમની મુલાકાત લો!</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>મિત્રને જણાવો</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>હમણાં મિત્રને જણાવો (&amp;N)</translation>
    </message>
    <message>
        <source>Download Quenvale Softwares</source>
        <translation>Quenvale સોફ્ટવેર ડાઉનલોડ કરો</translation>
    </message>
    <message>
        <source>Did you enjoy Velnora? Then try our other programs on astrology, psychic readings, tarot, numerology and the occult. Like this one, they are simple, informative and fun to use.

Download them today and share the experience with your friends and family.</source>
        <translation>શું તમને Velnora ગમ્યું? તો જ્યોતિષ, અંતર્જ્ઞાન, ટેરો, અંકશાસ્ત્ર અને ગૂઢ વિદ્યા પરના અમારા બીજા પ્રોગ્રામ પણ અજમાવો. આની જેમ જ તે સરળ, માહિતીસભર અને વાપરવામાં મજેદાર છે.

તેમને આજે જ ડાઉનલોડ કરો અને આ અનુભવ તમારા મિત્રો અને પરિવાર સાથે વહેંચો.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quenvale Softwares</source>
        <translation>Quenvale સોફ્ટવેર જોવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>તમારું નામ</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>તમારું ઇમેઇલ સરનામું</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>તમારો સંદેશ</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>મિત્રનું નામ</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>મિત્રનું ઇમેઇલ સરનામું</translation>
    </message>
</context>
<context>
    <name>velnora::FrmMain</name>
    <message>
        <source>&amp;Proceed</source>
        <translation>આગળ વધો (&amp;P)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>સોફ્ટવેર અપડેટ તપાસો (&amp;U)</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>તમારું નામ લખો</translation>
    </message>
    <message>
        <source>Enter Date for Doing Important Work</source>
        <translation>મહત્વના કાર્યની તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>caption below the box of the zone&apos;s hours</extracomment>
        <translation>કલાક</translation>
    </message>
    <message>
        <source>Enter Time for Doing Important Work</source>
        <translation>મહત્વના કાર્યનો સમય પસંદ કરો</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>કલાક:મિ:સે</translation>
    </message>
    <message>
        <source>Time Zone Hour</source>
        <translation>સમય ઝોનના કલાક</translation>
    </message>
    <message>
        <source>Time Zone Minute</source>
        <translation>સમય ઝોનની મિનિટ</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>તમારો સમય ઝોન લખો</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>caption below the box of the zone&apos;s minutes (short for minutes)
----------
caption below the box of the minutes of latitude or longitude</extracomment>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>સમય ઝોન મદદ</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>અક્ષાંશ લખો</translation>
    </message>
    <message>
        <source>Latitude Degrees</source>
        <translation>અક્ષાંશના અંશ</translation>
    </message>
    <message>
        <source>Latitude Minutes</source>
        <translation>અક્ષાંશની મિનિટ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ઉત્તર</translation>
    </message>
    <message>
        <source>South</source>
        <translation>દક્ષિણ</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>રેખાંશ લખો</translation>
    </message>
    <message>
        <source>Longitude Degrees</source>
        <translation>રેખાંશના અંશ</translation>
    </message>
    <message>
        <source>Longitude Minutes</source>
        <translation>રેખાંશની મિનિટ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>પૂર્વ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>પશ્ચિમ</translation>
    </message>
    <message>
        <source>Deg</source>
        <extracomment>caption below the box of the degrees of latitude or longitude</extracomment>
        <translation>અંશ</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>તમારા શહેરનું નામ લખો</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>તમારા રાજ્યનું નામ લખો</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>તમારા દેશનું નામ લખો</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>અક્ષાંશ અને રેખાંશ જાણવા માટે અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Your Details and the Time of Work</source>
        <extracomment>the group of every field of the main window, named for a screen reader</extracomment>
        <translation>તમારી વિગતો અને કાર્યનો સમય</translation>
    </message>
    <message>
        <source>Month of Work</source>
        <translation>કાર્યનો મહિનો</translation>
    </message>
    <message>
        <source>Day of Work</source>
        <translation>કાર્યનો દિવસ</translation>
    </message>
    <message>
        <source>Year of Work</source>
        <translation>કાર્યનું વર્ષ</translation>
    </message>
    <message>
        <source>Hour of Work</source>
        <translation>કાર્યનો કલાક</translation>
    </message>
    <message>
        <source>Minute of Work</source>
        <translation>કાર્યની મિનિટ</translation>
    </message>
    <message>
        <source>Second of Work</source>
        <translation>કાર્યની સેકન્ડ</translation>
    </message>
</context>
<context>
    <name>velnora::FrmPeriods</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 કલાક %2 મિનિટ</translation>
    </message>
    <message>
        <source>Periods of the Day</source>
        <translation>દિવસનાં ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Periods of the day and the night</source>
        <translation>દિવસ અને રાતનાં ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Period</source>
        <extracomment>Column of the periods&apos; list: which of the day&apos;s or the night&apos;s eight periods</extracomment>
        <translation>ચોઘડિયું ક્રમ</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Column of the periods&apos; list: the time a period starts</extracomment>
        <translation>શરૂઆત</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Column of the periods&apos; list: the time a period ends</extracomment>
        <translation>અંત</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <extracomment>Column of the periods&apos; list: the Choghadiya name (Amrut, Shubh ...)</extracomment>
        <translation>ચોઘડિયું</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>Column of the periods&apos; list: favorable, intermediate or unfavorable</extracomment>
        <translation>ફળ</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>આવતો દિવસ (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <extracomment>moves the list to today&apos;s date</extracomment>
        <translation>આજે (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>બંધ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Night before %1</source>
        <translation>આગલી રાત %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>રાત %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>દિવસ %1</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4, %5</source>
        <translation>%1, %2 થી %3, %4, %5</translation>
    </message>
    <message>
        <source>%1, the time of work</source>
        <translation>%1, કાર્યનો સમય</translation>
    </message>
    <message>
        <source>No favorable period comes in the next eight days.</source>
        <translation>આવતા આઠ દિવસમાં કોઈ શુભ ચોઘડિયું નથી.</translation>
    </message>
    <message>
        <source>The time of work lies in a favorable period: %1, until %2, %3 left.</source>
        <translation>કાર્યનો સમય શુભ ચોઘડિયામાં છે: %1, %2 સુધી, %3 બાકી.</translation>
    </message>
    <message>
        <source>Next favorable period: %1, %2 to %3, starts in %4.</source>
        <translation>હવે પછીનું શુભ ચોઘડિયું: %1, %2 થી %3, %4 પછી શરૂ.</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>a wait under an hour</comment>
        <translation>
            <numerusform>%n મિનિટ</numerusform>
            <numerusform>%n મિનિટ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <comment>a wait of whole hours</comment>
        <translation>
            <numerusform>%n કલાક</numerusform>
            <numerusform>%n કલાક</numerusform>
        </translation>
    </message>
    <message>
        <source>Choghadiya and Hora</source>
        <translation>ચોઘડિયા અને હોરા</translation>
    </message>
    <message>
        <source>Marks</source>
        <extracomment>Column of the periods&apos; list: the almanac&apos;s marks (Rahu Kaal, Kaal Vela ...) on a period</extracomment>
        <translation>વર્જિત</translation>
    </message>
    <message>
        <source>Horas of the day and the night</source>
        <translation>દિવસ અને રાતના હોરા</translation>
    </message>
    <message>
        <source>Hora</source>
        <extracomment>Column of the horas&apos; list: which of the 24 planetary hours</extracomment>
        <translation>હોરા</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>Column of the horas&apos; list: the planet that rules the hora</extracomment>
        <translation>સ્વામી</translation>
    </message>
    <message>
        <source>Cho&amp;ghadiya</source>
        <extracomment>Tab of the periods window: the eight periods of the day and of the night</extracomment>
        <translation>ચોઘડિયા (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <extracomment>Tab of the periods window: the 24 planetary hours</extracomment>
        <translation>હોરા (&amp;H)</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>અભિજીત મુહૂર્ત: %1 થી %2</translation>
    </message>
    <message>
        <source>No Abhijit Muhurat on Wednesday</source>
        <translation>બુધવારે અભિજીત મુહૂર્ત નથી</translation>
    </message>
    <message>
        <source>Hora %1, %2 to %3, %4, %5</source>
        <translation>હોરા %1, %2 થી %3, %4, %5</translation>
    </message>
    <message>
        <source>It falls in %1.</source>
        <translation>તે %1માં આવે છે.</translation>
    </message>
    <message>
        <source>Next favorable period without a mark: %1, %2 to %3, starts in %4.</source>
        <translation>વર્જિત સમય વિનાનું આગલું શુભ ચોઘડિયું: %1, %2 થી %3, %4 પછી શરૂ.</translation>
    </message>
    <message>
        <source>No favorable period without a mark comes in the next eight days.</source>
        <translation>આવતા આઠ દિવસમાં વર્જિત સમય વિનાનું કોઈ શુભ ચોઘડિયું નથી.</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>પાછલો દિવસ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>છાપો... (&amp;P)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF તરીકે સાચવો... (&amp;D)</translation>
    </message>
    <message>
        <source>Times as %1&apos;s clocks show them (%2), daylight saving included</source>
        <translation>સમય એ જ રીતે જેમ %1ની ઘડિયાળો બતાવે છે (%2), ઉનાળુ સમય સહિત</translation>
    </message>
    <message>
        <source>the list of places has no place of this name</source>
        <translation>સ્થળોની યાદીમાં આ નામનું કોઈ સ્થળ નથી</translation>
    </message>
    <message>
        <source>several places have this name</source>
        <translation>આ નામનાં ઘણાં સ્થળો છે</translation>
    </message>
    <message>
        <source>no place of this name lies at these coordinates</source>
        <translation>આ નામનું કોઈ સ્થળ આ અક્ષાંશ-રેખાંશ પર નથી</translation>
    </message>
    <message>
        <source>%1&apos;s clocks show another offset at the time of work</source>
        <translation>કાર્યના સમયે %1ની ઘડિયાળો બીજું અંતર બતાવે છે</translation>
    </message>
    <message>
        <source>this computer does not know the clocks of %1</source>
        <translation>આ કમ્પ્યુટર %1ની ઘડિયાળો જાણતું નથી</translation>
    </message>
    <message>
        <source>Times in the zone you typed, %1, on every date: %2</source>
        <translation>દરેક તારીખે સમય તમે લખેલા સમય ઝોન, %1, માં: %2</translation>
    </message>
    <message>
        <source>On %1 %2&apos;s clocks show %3; the result was computed with the zone you typed, %4</source>
        <translation>%1ના રોજ %2ની ઘડિયાળો %3 બતાવે છે; પરિણામ તમે લખેલા સમય ઝોન, %4, થી ગણાયું</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>Qt&apos;s date format of a date within a sentence: 11 March 2024</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1: from midnight, periods named by %2&apos;s table</source>
        <extracomment>The line of the periods&apos; list where the night reaches midnight: %1 is the new date with its weekday, %2 the weekday whose table names the periods after it</extracomment>
        <translation>%1: મધ્યરાત્રિથી ચોઘડિયાં %2ના કોષ્ટક પ્રમાણે</translation>
    </message>
</context>
<context>
    <name>velnora::FrmTimeZone</name>
    <message>
        <source>Time Zones</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>બંધ કરો (&amp;Q)</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>અલાસ્કા/હવાઈ ડેલાઇટ સમય,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>અલાસ્કા/હવાઈ માનક સમય,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>અલાસ્કા/હવાઈ યુદ્ધકાલીન સમય,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>એટલાન્ટિક માનક સમય,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>એટલાન્ટિક યુદ્ધકાલીન સમય,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ઓસ્ટ્રેલિયન મધ્ય ડેલાઇટ સમય,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ઓસ્ટ્રેલિયન મધ્ય માનક સમય,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ઓસ્ટ્રેલિયન પૂર્વીય ડેલાઇટ સમય,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ઓસ્ટ્રેલિયન પૂર્વીય માનક સમય,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ઓસ્ટ્રેલિયન પશ્ચિમી ડેલાઇટ સમય,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ઓસ્ટ્રેલિયન પશ્ચિમી માનક સમય,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>એઝોર્સ સમય, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>બગદાદ સમય, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>બેરિંગ માનક સમય,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>બ્રાઝિલ ઝોન 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>બ્રિટિશ બેવડો ઉનાળુ સમય,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>બ્રિટિશ ઉનાળુ સમય,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>બ્રિટિશ યુદ્ધકાલીન સમય,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>મધ્ય ડેલાઇટ સમય,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>મધ્ય યુરોપીય ડેલાઇટ,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>મધ્ય યુરોપીય સમય,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>મધ્ય માનક સમય,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>મધ્ય યુદ્ધકાલીન સમય,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>ચીન કાંઠા સમય,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>પૂર્વીય ડેલાઇટ સમય,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>પૂર્વીય યુરોપીય ડેલાઇટ સમય,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>પૂર્વીય યુરોપીય સમય,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>પૂર્વીય માનક સમય,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>પૂર્વીય યુદ્ધકાલીન સમય,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ગ્રીનવિચ મીન સમય,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>ગુઆમ માનક સમય,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>હવાઈ ડેલાઇટ સમય,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>હવાઈ માનક સમય,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>હવાઈ યુદ્ધકાલીન સમય,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ભારતીય સમય, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>આંતરરાષ્ટ્રીય તારીખ રેખા પૂર્વ,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>આંતરરાષ્ટ્રીય તારીખ રેખા પશ્ચિમ,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ઈરાન સમય, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>જાપાન માનક સમય,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>જાવા સમય, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>મધ્ય યુરોપીય ડેલાઇટ સમય,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>મધ્ય યુરોપીય સમય,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>મોલુકાસ સમય, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>માઉન્ટન ડેલાઇટ સમય,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>માઉન્ટન માનક સમય,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>માઉન્ટન યુદ્ધકાલીન સમય,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>ન્યૂઝીલેન્ડ માનક ઉનાળુ સમય,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>ન્યૂઝીલેન્ડ માનક સમય,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>ન્યૂઝીલેન્ડ ઉનાળુ સમય,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>ન્યૂઝીલેન્ડ સમય,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>ન્યૂફાઉન્ડલેન્ડ માનક સમય,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>નોમ સમય, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>ઉત્તર સુમાત્રા સમય,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>પેસિફિક ડેલાઇટ સમય,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>પેસિફિક માનક સમય,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>પેસિફિક યુદ્ધકાલીન સમય,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>દક્ષિણ ઓસ્ટ્રેલિયા ડેલાઇટ સમય,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>દક્ષિણ ઓસ્ટ્રેલિયા ડેલાઇટ સમય,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>દક્ષિણ ઓસ્ટ્રેલિયા માનક સમય,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>દક્ષિણ ઓસ્ટ્રેલિયા માનક સમય,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>દક્ષિણ સુમાત્રા સમય,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>સાર્વત્રિક સમય, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>સોવિયેત ઝોન 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>સોવિયેત ઝોન 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>સોવિયેત ઝોન 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>સોવિયેત ઝોન 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>સોવિયેત ઝોન 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>પશ્ચિમ આફ્રિકા સમય,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>યુકોન ડેલાઇટ સમય,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>યુકોન માનક સમય,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>યુકોન યુદ્ધકાલીન સમય,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>velnora::LookupWindow</name>
    <message>
        <source>Latitude %1 %2 %3, Longitude %4 %5 %6</source>
        <translation>અક્ષાંશ %1 %2 %3, રેખાંશ %4 %5 %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>દક્ષિણ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ઉત્તર</translation>
    </message>
    <message>
        <source>West</source>
        <translation>પશ્ચિમ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>પૂર્વ</translation>
    </message>
    <message>
        <source>hours %1 minutes %2</source>
        <translation>કલાક %1 મિનિટ %2</translation>
    </message>
    <message>
        <source>, Zone %1</source>
        <translation>, ઝોન %1</translation>
    </message>
    <message>
        <source> (daylight saving time: %1)</source>
        <translation> (ઉનાળુ સમય: %1)</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>અક્ષાંશ અને રેખાંશ શોધો</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>સ્થળો GeoNames (geonames.org) માંથી, Creative Commons Attribution 4.0 (CC BY 4.0) લાઇસન્સ હેઠળ.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>મળેલાં સ્થળો</translation>
    </message>
    <message>
        <source>City</source>
        <translation>શહેર</translation>
    </message>
    <message>
        <source>State</source>
        <translation>રાજ્ય</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>દેશ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>અક્ષાંશ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>રેખાંશ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>Zone Offset</source>
        <translation>ઝોન તફાવત</translation>
    </message>
    <message>
        <source>Daylight Saving Offset</source>
        <translation>ઉનાળુ સમયનો તફાવત</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ઉનાળુ સમય</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>વેબ પર શોધો (&amp;W)</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>વેબ પર શોધો</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>બંધ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Places matching %1:</source>
        <translation>%1 સાથે મેળ ખાતાં સ્થળો:</translation>
    </message>
    <message numerus="yes">
        <source>%1 names more than one place; the first %n match equally, the likeliest first:</source>
        <translation>
            <numerusform>%1 એક કરતાં વધુ સ્થળોનું નામ છે; પહેલું %n સરખું મેળ ખાય છે, સૌથી સંભવિત પહેલું:</numerusform>
            <numerusform>%1 એક કરતાં વધુ સ્થળોનું નામ છે; પહેલાં %n સરખાં મેળ ખાય છે, સૌથી સંભવિત પહેલું:</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in the offline list matches %1; did you mean %2?</source>
        <translation>ઓફલાઇન યાદીમાં કોઈ સ્થળ %1 સાથે મેળ ખાતું નથી; શું તમે %2 કહેવા માગતા હતા?</translation>
    </message>
    <message>
        <source>none</source>
        <translation>કોઈ નહીં</translation>
    </message>
    <message>
        <source>No place in the offline list matches %1. Search the Web to find its latitude and longitude.</source>
        <translation>ઓફલાઇન યાદીમાં કોઈ સ્થળ %1 સાથે મેળ ખાતું નથી. તેનાં અક્ષાંશ અને રેખાંશ જાણવા વેબ પર શોધો.</translation>
    </message>
    <message>
        <source> Search the Web to find the latitude and longitude.</source>
        <translation> અક્ષાંશ અને રેખાંશ જાણવા વેબ પર શોધો.</translation>
    </message>
    <message>
        <source>Copied to the clipboard: %1</source>
        <translation>ક્લિપબોર્ડ પર નકલ કરી: %1</translation>
    </message>
    <message>
        <source>hours %1, minutes %2</source>
        <translation>કલાક %1, મિનિટ %2</translation>
    </message>
    <message>
        <source>Zone offsets are given as the main form takes them, the time to add to the local clock to get Greenwich time: hours -5, minutes 30: 5 h 30 min ahead of Greenwich; hours 5, minutes 0: 5 h behind it. The sign of the whole zone comes from the hours. Enter or a double-click copies a place&apos;s values.</source>
        <translation>સમય ક્ષેત્રનો તફાવત મુખ્ય ફોર્મ જે રીતે લે છે તે રીતે આપેલો છે, એટલે કે ગ્રીનવિચ સમય મેળવવા સ્થાનિક ઘડિયાળમાં ઉમેરવાનો સમય: કલાક -5, મિનિટ 30: ગ્રીનવિચથી 5 કલાક 30 મિનિટ આગળ; કલાક 5, મિનિટ 0: તેનાથી 5 કલાક પાછળ. આખા ક્ષેત્રનું ચિહ્ન કલાકો પરથી આવે છે. Enter અથવા ડબલ-ક્લિક સ્થળનાં મૂલ્યો નકલ કરે છે.</translation>
    </message>
    <message>
        <source>No place in the offline list is named %1; places named with part of it:</source>
        <translation>ઓફલાઇન યાદીમાં %1 નામનું કોઈ સ્થળ નથી; તેના એક ભાગના નામવાળાં સ્થળો:</translation>
    </message>
    <message>
        <source>There are places named %1, but none in %2:</source>
        <translation>%1 નામનાં સ્થળો છે, પણ %2 માં એકેય નહીં:</translation>
    </message>
    <message>
        <source> (%1 named nothing for the first and was passed over)</source>
        <translation> (%1 થી કંઈ મળ્યું નહીં, તેથી તેને છોડી દેવાયું)</translation>
    </message>
    <message>
        <source>%1: the district&apos;s largest place, %2</source>
        <translation>%1: જિલ્લાનું સૌથી મોટું સ્થળ, %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>the name a place was found by, then its own name: &quot;Bombay (Mumbai)&quot;</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>what stands between the parts of a place&apos;s name: &quot;Pune, Maharashtra, India&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <extracomment>the dates of daylight saving time in a year: &quot;8 March to 1 November 2026&quot;</extracomment>
        <translation>%3માં %1 થી %2 સુધી</translation>
    </message>
    <message>
        <source>until %1 and from %2 %3</source>
        <extracomment>daylight saving time across the turn of the year: &quot;until 5 April and from 4 October 2026&quot;</extracomment>
        <translation>%3માં %1 સુધી અને %2 થી</translation>
    </message>
    <message>
        <source>The list of places is not installed (looked for %1).</source>
        <translation>સ્થળોની યાદી ઇન્સ્ટોલ થયેલી નથી (%1 માં શોધ્યું).</translation>
    </message>
    <message>
        <source>The list of places %1 cannot be read.</source>
        <translation>સ્થળોની યાદી %1 વાંચી શકાતી નથી.</translation>
    </message>
    <message>
        <source>The list of places is damaged.</source>
        <translation>સ્થળોની યાદી ખરાબ થયેલી છે.</translation>
    </message>
    <message>
        <source>The list of places %1 is damaged.</source>
        <translation>સ્થળોની યાદી %1 ખરાબ થયેલી છે.</translation>
    </message>
    <message>
        <source>No place fits %1 by its own name; the first has %2 as another name or within its name:</source>
        <translation>કોઈ સ્થળ પોતાના નામથી %1 સાથે મેળ ખાતું નથી; પહેલા સ્થળનું %2 બીજું નામ છે અથવા તેના નામનો ભાગ છે:</translation>
    </message>
    <message>
        <source> (%1 is another name of the first, not its own)</source>
        <translation> (%1 પહેલા સ્થળનું બીજું નામ છે, તેનું પોતાનું નામ નથી)</translation>
    </message>
    <message>
        <source> (%1 is only part of the first one&apos;s name)</source>
        <translation> (%1 પહેલા સ્થળના નામનો ફક્ત એક ભાગ છે)</translation>
    </message>
    <message>
        <source>Periods of the Day &amp;Here</source>
        <translation>અહીંનાં દિવસનાં ચોઘડિયાં (&amp;H)</translation>
    </message>
    <message>
        <source>Periods of the Day Here</source>
        <translation>અહીંનાં દિવસનાં ચોઘડિયાં</translation>
    </message>
</context>
<context>
    <name>velnora::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>બહાર નીકળો (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>મદદ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ઓનલાઇન મદદ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>અમારી વેબસાઇટ જુઓ (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>સોફ્ટવેર વિશે (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>દાન કરો (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ઓનલાઇન પૈસા કમાઓ (&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>યોજના (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Periods of the Day...</source>
        <translation>દિવસનાં ચોઘડિયાં (&amp;P)...</translation>
    </message>
    <message>
        <source>Add to &amp;Calendar...</source>
        <translation>કૅલેન્ડરમાં ઉમેરો (&amp;C)...</translation>
    </message>
</context>
<context>
    <name>velnora::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>હા (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ના (&amp;N)</translation>
    </message>
</context>
<context>
    <name>velnora::Pages</name>
    <message>
        <source>Latitude %1, longitude %2, zone %3</source>
        <translation>અક્ષાંશ %1, રેખાંશ %2, સમય વિસ્તાર %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Night before %1</source>
        <translation>આગલી રાત %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>રાત %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>દિવસ %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>પાનું %1 / %2</translation>
    </message>
    <message>
        <source>No sunrise or sunset</source>
        <translation>સૂર્યોદય કે સૂર્યાસ્ત નથી</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>સૂર્યોદય %1, સૂર્યાસ્ત %2</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>ચોઘડિયું ક્રમ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>શરૂઆત</translation>
    </message>
    <message>
        <source>End</source>
        <translation>અંત</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ચોઘડિયું</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ફળ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>નોંધ</translation>
    </message>
    <message>
        <source>Time of work</source>
        <translation>કાર્યનો સમય</translation>
    </message>
    <message>
        <source>Choghadiya, %1 to %2</source>
        <translation>ચોઘડિયાં, %1 થી %2</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>સૂર્યોદય %1</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>સૂર્યાસ્ત %1</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>અભિજિત મુહૂર્ત: %1 થી %2</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: none on Wednesday</source>
        <translation>અભિજિત મુહૂર્ત: બુધવારે નથી</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>હોરા</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>હોરા</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>સ્વામી</translation>
    </message>
    <message>
        <source>%1 %2 with a mark</source>
        <translation>%1 %2, દોષ સાથે</translation>
    </message>
</context>
<context>
    <name>velnora::PrintDialogs</name>
    <message>
        <source>This &amp;day</source>
        <translation>આ દિવસ (&amp;D)</translation>
    </message>
    <message>
        <source>This &amp;month</source>
        <translation>આ મહિનો (&amp;M)</translation>
    </message>
    <message>
        <source>Include the 24 &amp;horas</source>
        <translation>24 હોરા પણ (&amp;H)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ફાઇલો (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velnora::PrintPeriods</name>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>PDF ફાઇલ %1 લખી શકાઈ નહીં: %2</translation>
    </message>
    <message>
        <source>The pages were written to %1.</source>
        <translation>પાનાં %1 માં લખાયાં.</translation>
    </message>
</context>
<context>
    <name>velnora::Program</name>
    <message>
        <source>Velnora helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>Velnora તમને એવો શુભ સમય શોધવામાં મદદ કરે છે જેમાં તમે કોઈ મહત્વનું કાર્ય શરૂ કરી શકો. સારા પરિણામ માટે મહત્વનાં કાર્યો શુભ સમયમાં કરો અને અશુભ સમયમાં તેમને ટાળો.</translation>
    </message>
</context>
</TS>
