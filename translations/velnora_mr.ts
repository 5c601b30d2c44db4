<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr">
<context>
    <name>Coordinates</name>
    <message>
        <source>N</source>
        <extracomment>Latitude north of the equator</extracomment>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>Latitude south of the equator</extracomment>
        <translation>द</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>Longitude east of Greenwich</extracomment>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>Longitude west of Greenwich</extracomment>
        <translation>प</translation>
    </message>
</context>
<context>
    <name>Marks</name>
    <message>
        <source>Vaar Vela</source>
        <extracomment>Almanac mark on one of the day&apos;s eight parts (the weekday&apos;s own bad part)</extracomment>
        <translation>वार वेळा</translation>
    </message>
    <message>
        <source>Kaal Vela</source>
        <extracomment>Almanac mark on a part of the day ruled by Saturn</extracomment>
        <translation>काळ वेळा</translation>
    </message>
    <message>
        <source>Kaal Ratri</source>
        <extracomment>Almanac mark on a part of the night ruled by Saturn</extracomment>
        <translation>काळ रात्री</translation>
    </message>
    <message>
        <source>Rahu Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Rahu</extracomment>
        <translation>राहू काळ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <extracomment>Almanac mark: the part of the day called Yamaganda</extracomment>
        <translation>यमगंड</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Gulika</extracomment>
        <translation>गुलिक काळ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाव लिहा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया रेखांशाच्या अंशांत 0 ते 179 मधील मूल्य लिहा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया रेखांशाच्या मिनिटांत 0 ते 59 मधील मूल्य लिहा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांशाच्या अंशांत 0 ते 89 मधील मूल्य लिहा</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांशाच्या मिनिटांत 0 ते 59 मधील मूल्य लिहा</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>कृपया कामाचा योग्य दिनांक निवडा</translation>
    </message>
    <message>
        <source>Please Enter Correct Time Of Work</source>
        <translation>कृपया कामाची योग्य वेळ निवडा</translation>
    </message>
    <message>
        <source>Please Enter Time Zone</source>
        <translation>कृपया वेळ क्षेत्र लिहा</translation>
    </message>
    <message>
        <source>Sun Does Not Rise Or Set At This Place Around This Date</source>
        <translation>या दिनांकाच्या आसपास या ठिकाणी सूर्य उगवत किंवा मावळत नाही</translation>
    </message>
    <message>
        <source>Sun Rise And Sun Set Do Not Fall On This Date Here</source>
        <translation>येथे सूर्योदय आणि सूर्यास्त या दिनांकाला येत नाहीत</translation>
    </message>
    <message>
        <source>Sun Sets After Midnight Here On %1, Next To This Date, So This Date Cannot Be Evaluated</source>
        <translatorcomment>%1 is a date</translatorcomment>
        <translation>येथे %1 रोजी, या दिनांकाच्या शेजारच्या दिनांकाला, सूर्यास्त मध्यरात्रीनंतर होतो, म्हणून या दिनांकाचे मूल्यमापन करता येत नाही</translation>
    </message>
    <message>
        <source>Sun Rise Comes After Sun Set In This Time Zone. Check the zone&apos;s sign: zones east of Greenwich are negative (India: hours -5, minutes 30 or -30)</source>
        <translation>या वेळ क्षेत्रात सूर्योदय सूर्यास्तानंतर येतो. क्षेत्राचे चिन्ह तपासा: ग्रीनिचच्या पूर्वेकडील क्षेत्रे ऋण असतात (भारत: तास -5, मिनिटे 30 किंवा -30)</translation>
    </message>
    <message>
        <source>No %1 Period From %2 To %3: After The Time Of Work None Of These Dates Has Its Sun Rise And Sun Set In Order Here</source>
        <translatorcomment>%1 is a kind of period (favorable, or a period name), %2 the time of work, %3 a date</translatorcomment>
        <translation>%2 पासून %3 पर्यंत कोणताही %1 कालखंड नाही: कामाच्या वेळेनंतर यांपैकी कोणत्याही दिनांकाला येथे सूर्योदय आणि सूर्यास्त क्रमाने येत नाहीत</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>फक्त अंक स्वीकारले जातात</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया फक्त अक्षरे लिहा</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिहा</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिहा</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिहा</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम आधीच चालू आहे</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>या सॉफ्टवेअरची नवी आवृत्ती उपलब्ध असू शकते<byte value="xd"/>तुम्हाला अपडेट तपासायचे आहे का?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पत्त्यात मोकळी जागा असू शकत नाही</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया वेगवेगळे ईमेल पत्ते लिहा</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया योग्य ईमेल पत्ता लिहा</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया तुमचे नाव लिहा</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया तुमचा ईमेल लिहा</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया तुमचा संदेश लिहा</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया तुमच्या मित्राचे नाव लिहा</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया तुमच्या मित्राचा ईमेल लिहा</translation>
    </message>
    <message>
        <source>Application cannot check whether it is already running: no lock file can be made in %1</source>
        <translation>प्रोग्राम आधीच चालू आहे की नाही हे तपासता येत नाही: %1 मध्ये लॉक फाइल तयार करता येत नाही</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जानेवारी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फेब्रुवारी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>एप्रिल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मे</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलै</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ऑगस्ट</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सप्टेंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ऑक्टोबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नोव्हेंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>डिसेंबर</translation>
    </message>
</context>
<context>
    <name>Periods</name>
    <message>
        <source>Amrut</source>
        <translation>अमृत</translation>
    </message>
    <message>
        <source>Shubh</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Labh</source>
        <translation>लाभ</translation>
    </message>
    <message>
        <source>Chal</source>
        <extracomment>Name of a Choghadiya period (the moving, intermediate one), not &quot;walk&quot;</extracomment>
        <translation>चंचल</translation>
    </message>
    <message>
        <source>Udveg</source>
        <translation>उद्वेग</translation>
    </message>
    <message>
        <source>Rog</source>
        <translation>रोग</translation>
    </message>
    <message>
        <source>Kal</source>
        <extracomment>Name of a Choghadiya period (the inauspicious one of death), not &quot;tomorrow&quot; or &quot;time&quot;</extracomment>
        <translation>काळ</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>मंगळ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>गुरू</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>शनी</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Time period for work can be favorable.</source>
        <translation>कामासाठी ही वेळ शुभ असू शकते.</translation>
    </message>
    <message>
        <source>Time period for work can be intermediate.</source>
        <translation>कामासाठी ही वेळ मध्यम असू शकते.</translation>
    </message>
    <message>
        <source>Time period for work can be unfavorable.</source>
        <translation>कामासाठी ही वेळ अशुभ असू शकते.</translation>
    </message>
    <message>
        <source>favorable</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>intermediate</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>unfavorable</source>
        <extracomment>The verdict of a Choghadiya period, shown beside its name in a list</extracomment>
        <translation>अशुभ</translation>
    </message>
</context>
<context>
    <name>velnora::AddToCalendar</name>
    <message>
        <source>The calendar file %1 could not be written: %2</source>
        <translation>कॅलेंडर फाइल %1 लिहिता आली नाही: %2</translation>
    </message>
    <message>
        <source>%1 favorable periods of %2 days were written to %3.</source>
        <translation>%2 दिवसांचे %1 शुभ चौघडिया %3 मध्ये लिहिले.</translation>
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
        <translation>चौघडिया</translation>
    </message>
    <message>
        <source>Choghadiya at %1</source>
        <translation>%1 येथील चौघडिया</translation>
    </message>
    <message>
        <source>Choghadiya periods of 1 day, %1</source>
        <translation>1 दिवसाचे चौघडिया, %1</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of 1 day, %1</source>
        <translation>1 दिवसाचे शुभ चौघडिया, %1</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 दिवसांचे चौघडिया, %2 ते %3</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 दिवसांचे शुभ चौघडिया, %2 ते %3</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days</source>
        <translation>%1 दिवसांचे चौघडिया</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days</source>
        <translation>%1 दिवसांचे शुभ चौघडिया</translation>
    </message>
    <message>
        <source>%1, without an almanac mark</source>
        <extracomment>what a calendar of only the periods without an almanac mark covers</extracomment>
        <translation>%1, पंचांगातील कोणत्याही वर्ज्य वेळेशिवाय</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>an event&apos;s title: the period&apos;s name and its verdict</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>पहिला</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>दुसरा</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>तिसरा</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>चौथा</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>पाचवा</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>सहावा</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>सातवा</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>आठवा</translation>
    </message>
    <message>
        <source>a favorable</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>an intermediate</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>an unfavorable</source>
        <translation>अशुभ</translation>
    </message>
    <message>
        <source>%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the night, from sunset to the next sunrise</source>
        <translation>%1 हा %3 येथे %2 चौघडिया आहे: रात्रीच्या आठ चौघडियांपैकी %4, सूर्यास्तापासून पुढच्या सूर्योदयापर्यंत</translation>
    </message>
    <message>
        <source>%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the day, from sunrise to sunset</source>
        <translation>%1 हा %3 येथे %2 चौघडिया आहे: दिवसाच्या आठ चौघडियांपैकी %4, सूर्योदयापासून सूर्यास्तापर्यंत</translation>
    </message>
    <message>
        <source>%1; its part after midnight</source>
        <translation>%1; त्याचा मध्यरात्रीनंतरचा भाग</translation>
    </message>
    <message>
        <source>%1; its part before midnight</source>
        <translation>%1; त्याचा मध्यरात्रीपूर्वीचा भाग</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>ends an event&apos;s description</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 The almanac marks it as %2, in which no auspicious work is begun.</source>
        <translation>%1 पंचांगात ही वेळ %2 म्हणून दर्शवली आहे, ज्यात कोणतेही शुभ कार्य सुरू केले जात नाही.</translation>
    </message>
    <message>
        <source>%1 (%2) begins now</source>
        <translation>%1 (%2) आता सुरू होत आहे</translation>
    </message>
    <message>
        <source>%1 (%2) begins in %3 minutes</source>
        <translation>%1 (%2) %3 मिनिटांनी सुरू होईल</translation>
    </message>
    <message>
        <source>the contents could not be written in full</source>
        <translation>संपूर्ण मजकूर लिहिता आला नाही</translation>
    </message>
    <message>
        <source>a link another user made in a shared folder is not followed</source>
        <translation>सामायिक फोल्डरमधील दुसऱ्या वापरकर्त्याने तयार केलेल्या लिंकचे अनुसरण केले जात नाही</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ही साधी फाइल नाही</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>हे फोल्डर आहे</translation>
    </message>
    <message>
        <source>the file is read-only for this user</source>
        <translation>ही फाइल या वापरकर्त्यासाठी फक्त वाचनीय आहे</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>परवानगी नाकारली</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>फाइल सिस्टम फक्त वाचनीय आहे</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>डिस्कवर जागा शिल्लक नाही</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>अशी कोणतीही फाइल किंवा फोल्डर नाही</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>फाइलचे नाव खूप लांब आहे</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>लिंकचे खूप जास्त स्तर आहेत</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>फाइल खूप मोठी आहे</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>इनपुट/आउटपुट त्रुटी</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>सिस्टम त्रुटी %1</translation>
    </message>
    <message>
        <source>%1 favorable periods without an almanac mark of %2 days were written to %3.</source>
        <translation>%2 दिवसांचे, पंचांगातील वर्ज्य वेळेशिवायचे %1 शुभ चौघडिया %3 मध्ये लिहिले.</translation>
    </message>
</context>
<context>
    <name>velnora::Banners</name>
    <message>
        <source>Got a question about good times? Ask it in our online discussion forum. Click here to visit now!</source>
        <translation>शुभ वेळेबद्दल काही प्रश्न आहे? आमच्या ऑनलाइन चर्चा मंचावर विचारा. आत्ता पाहण्यासाठी येथे क्लिक करा!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घरबसल्या व्यवसायाची संधी. तुमचा स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. हे सॉफ्टवेअर पूर्णपणे तुमच्या वेबसाइटच्या ब्रँडसह मिळवा. अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>या सॉफ्टवेअरवर तुमच्या साइटचे को-ब्रँड लावा. तुमच्या साइटचे वाचक आणि ट्रॅफिक वाढवा. तुमच्या साइटचे नाव आणि लिंक येथे लावा. तपशीलासाठी &quot;मदत&quot; पहा. को-ब्रँडिंगच्या अधिक माहितीसाठी येथे क्लिक करा.</translation>
    </message>
    <message>
        <source>Forum</source>
        <extracomment>the strip at the top of a window that links to the discussion forum</extracomment>
        <translation>चर्चा मंच</translation>
    </message>
    <message>
        <source>Offers</source>
        <extracomment>the strip at the bottom of a window with the promotional offers</extracomment>
        <translation>ऑफर</translation>
    </message>
</context>
<context>
    <name>velnora::CalendarDialogs</name>
    <message>
        <source>Number of days to put into the calendar:</source>
        <translation>कॅलेंडरमध्ये घालायच्या दिवसांची संख्या:</translation>
    </message>
    <message>
        <source>Add to Calendar</source>
        <translation>कॅलेंडरमध्ये जोडा</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>कॅलेंडर फाइली (*.ics)</translation>
    </message>
    <message>
        <source>Every favorable period</source>
        <translation>सर्व शुभ चौघडिया</translation>
    </message>
    <message>
        <source>Only favorable periods without an almanac mark (Rahu Kaal, Kaal Vela, Kaal Ratri ...)</source>
        <translation>फक्त पंचांगातील वर्ज्य वेळेशिवायचे शुभ चौघडिया (राहू काळ, काळ वेळा, काळ रात्री ...)</translation>
    </message>
    <message>
        <source>Periods to put into the calendar:</source>
        <translation>कॅलेंडरमध्ये घालायचे चौघडिया:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घरबसल्या व्यवसायाची संधी. तुमचा स्वतःचा इंटरनेट व्यवसाय सुरू करा आणि ऑनलाइन पैसे कमवा. हे सॉफ्टवेअर पूर्णपणे तुमच्या वेबसाइटच्या ब्रँडसह मिळवा.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पाहण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक माहितीसाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक आहे (&amp;O)</translation>
    </message>
</context>
<context>
    <name>velnora::FrmDisplay</name>
    <message>
        <source>Date of Work :</source>
        <translation>कामाचा दिनांक :</translation>
    </message>
    <message>
        <source>Time of Work :</source>
        <translation>कामाची वेळ :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>रेखांश :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>अक्षांश :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>शहर :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>राज्य :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>देश :</translation>
    </message>
    <message>
        <source>Sun Rise Time On</source>
        <translation>सूर्योदयाची वेळ</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>सूर्यास्ताची वेळ</translation>
    </message>
    <message>
        <source>Chogadiya helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>चौघडिया तुम्हाला असा शुभ काळ शोधण्यास मदत करतो ज्यात तुम्ही एखादे महत्त्वाचे काम सुरू करू शकता. चांगल्या फळासाठी महत्त्वाची कामे शुभ काळात करा आणि अशुभ काळात ती टाळा.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>रिकामे</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>returns from the result to the input window (&quot;go back&quot;), not the reverse side</extracomment>
        <translation>मागे (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ्टवेअर अपडेट तपासा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहेर पडा (&amp;E)</translation>
    </message>
    <message>
        <source>Velnora Result</source>
        <translation>Velnora निकाल</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>तुमचा तपशील</translation>
    </message>
    <message>
        <source>Sun Rise Details</source>
        <translation>सूर्योदय आणि सूर्यास्त</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>फळ</translation>
    </message>
    <message>
        <source>Choghadiya for given day:</source>
        <translation>दिलेल्या दिवसाचा चौघडिया:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmFarewell</name>
    <message>
        <source>Programs like Velnora can only be made and kept up with your support, and the best support you can give is to visit the Quenvale Forum regularly and take part in its discussions and activities.</source>
        <translation>Velnora सारखे प्रोग्राम तुमच्या पाठिंब्यानेच तयार होऊ आणि चालू राहू शकतात, आणि तुम्ही देऊ शकता तो सर्वोत्तम पाठिंबा म्हणजे Quenvale फोरमला नियमित भेट देणे आणि त्याच्या चर्चा व उपक्रमांत भाग घेणे.</translation>
    </message>
    <message>
        <source>Please visit the Quenvale Forum regularly and join in its discussions and activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <translation>कृपया Quenvale फोरमला नियमित भेट द्या आणि त्याच्या चर्चा व उपक्रमांत सहभागी व्हा. तुमच्या नियमित भेटींशिवाय आम्ही असे प्रोग्राम चालवू आणि सांभाळू शकत नाही.</translation>
    </message>
    <message>
        <source>The Quenvale Forum is a free online discussion forum. Every regular visit you pay it helps us develop and maintain Velnora.</source>
        <translation>Quenvale फोरम हा एक विनामूल्य ऑनलाइन चर्चा मंच आहे. तेथे तुमची प्रत्येक नियमित भेट Velnora विकसित करण्यास आणि सांभाळण्यास आम्हाला मदत करते.</translation>
    </message>
    <message>
        <source>The Quenvale Forum needs your help! Visit it regularly and take part in its discussions and activities, and you help us maintain and develop more programs.</source>
        <translation>Quenvale फोरमला तुमच्या मदतीची गरज आहे! तेथे नियमित भेट द्या आणि त्याच्या चर्चा व उपक्रमांत भाग घ्या, त्यामुळे तुम्ही आणखी प्रोग्राम सांभाळण्यास आणि विकसित करण्यास आम्हाला मदत करता.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>Visit The Quenvale Forum Now!</source>
        <translation>आत्ताच Quenvale फोरमला भेट द्या!</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्राला सांगा</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>आत्ताच मित्राला सांगा (&amp;N)</translation>
    </message>
    <message>
        <source>Download Quenvale Softwares</source>
        <translation>Quenvale सॉफ्टवेअर डाउनलोड करा</translation>
    </message>
    <message>
        <source>Did you enjoy Velnora? Then try our other programs on astrology, psychic readings, tarot, numerology and the occult. Like this one, they are simple, informative and fun to use.

Download them today and share the experience with your friends and family.</source>
        <translation>तुम्हाला Velnora आवडला का? मग ज्योतिष, अंतर्ज्ञान, टॅरो, अंकशास्त्र आणि गूढविद्या यांवरील आमचे इतर प्रोग्रामही वापरून पहा. याच्यासारखेच ते सोपे, माहितीपूर्ण आणि वापरायला मजेदार आहेत.

ते आजच डाउनलोड करा आणि हा अनुभव तुमचे मित्र आणि कुटुंबासोबत वाटा.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quenvale Softwares</source>
        <translation>Quenvale सॉफ्टवेअर पाहण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>तुमचे नाव</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>तुमचा ईमेल पत्ता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>तुमचा संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्राचे नाव</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्राचा ईमेल पत्ता</translation>
    </message>
</context>
<context>
    <name>velnora::FrmMain</name>
    <message>
        <source>&amp;Proceed</source>
        <translation>पुढे चला (&amp;P)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेअर अपडेट तपासा (&amp;U)</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>तुमचे नाव लिहा</translation>
    </message>
    <message>
        <source>Enter Date for Doing Important Work</source>
        <translation>महत्त्वाच्या कामाचा दिनांक निवडा</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>caption below the box of the zone&apos;s hours</extracomment>
        <translation>तास</translation>
    </message>
    <message>
        <source>Enter Time for Doing Important Work</source>
        <translation>महत्त्वाच्या कामाची वेळ निवडा</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>तास:मि:से</translation>
    </message>
    <message>
        <source>Time Zone Hour</source>
        <translation>वेळ क्षेत्राचे तास</translation>
    </message>
    <message>
        <source>Time Zone Minute</source>
        <translation>वेळ क्षेत्राची मिनिटे</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>तुमचे वेळ क्षेत्र लिहा</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>caption below the box of the zone&apos;s minutes (short for minutes)
----------
caption below the box of the minutes of latitude or longitude</extracomment>
        <translation>मिनिट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>वेळ क्षेत्र मदत</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>अक्षांश लिहा</translation>
    </message>
    <message>
        <source>Latitude Degrees</source>
        <translation>अक्षांशाचे अंश</translation>
    </message>
    <message>
        <source>Latitude Minutes</source>
        <translation>अक्षांशाची मिनिटे</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Enter Longitude</source>
        <translation>रेखांश लिहा</translation>
    </message>
    <message>
        <source>Longitude Degrees</source>
        <translation>रेखांशाचे अंश</translation>
    </message>
    <message>
        <source>Longitude Minutes</source>
        <translation>रेखांशाची मिनिटे</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Deg</source>
        <extracomment>caption below the box of the degrees of latitude or longitude</extracomment>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Enter Your City Name</source>
        <translation>तुमच्या शहराचे नाव लिहा</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>तुमच्या राज्याचे नाव लिहा</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>तुमच्या देशाचे नाव लिहा</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश आणि रेखांश जाणून घेण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Your Details and the Time of Work</source>
        <extracomment>the group of every field of the main window, named for a screen reader</extracomment>
        <translation>तुमचा तपशील आणि कामाची वेळ</translation>
    </message>
    <message>
        <source>Month of Work</source>
        <translation>कामाचा महिना</translation>
    </message>
    <message>
        <source>Day of Work</source>
        <translation>कामाचा दिवस</translation>
    </message>
    <message>
        <source>Year of Work</source>
        <translation>कामाचे वर्ष</translation>
    </message>
    <message>
        <source>Hour of Work</source>
        <translation>कामाचा तास</translation>
    </message>
    <message>
        <source>Minute of Work</source>
        <translation>कामाचे मिनिट</translation>
    </message>
    <message>
        <source>Second of Work</source>
        <translation>कामाचा सेकंद</translation>
    </message>
</context>
<context>
    <name>velnora::FrmPeriods</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 तास %2 मिनिटे</translation>
    </message>
    <message>
        <source>Periods of the Day</source>
        <translation>दिवसाचे चौघडिया</translation>
    </message>
    <message>
        <source>Periods of the day and the night</source>
        <translation>दिवसाचे आणि रात्रीचे चौघडिया</translation>
    </message>
    <message>
        <source>Period</source>
        <extracomment>Column of the periods&apos; list: which of the day&apos;s or the night&apos;s eight periods</extracomment>
        <translation>चौघडिया क्रम</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Column of the periods&apos; list: the time a period starts</extracomment>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Column of the periods&apos; list: the time a period ends</extracomment>
        <translation>शेवट</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <extracomment>Column of the periods&apos; list: the Choghadiya name (Amrut, Shubh ...)</extracomment>
        <translation>चौघडिया</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>Column of the periods&apos; list: favorable, intermediate or unfavorable</extracomment>
        <translation>फळ</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>पुढचा दिवस (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <extracomment>moves the list to today&apos;s date</extracomment>
        <translation>आज (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
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
        <translation>आदली रात्र %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात्र %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिवस %1</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4, %5</source>
        <translation>%1, %2 ते %3, %4, %5</translation>
    </message>
    <message>
        <source>%1, the time of work</source>
        <translation>%1, कामाची वेळ</translation>
    </message>
    <message>
        <source>No favorable period comes in the next eight days.</source>
        <translation>पुढच्या आठ दिवसांत कोणताही शुभ चौघडिया येत नाही.</translation>
    </message>
    <message>
        <source>The time of work lies in a favorable period: %1, until %2, %3 left.</source>
        <translation>कामाची वेळ शुभ चौघडियात आहे: %1, %2 पर्यंत, %3 बाकी.</translation>
    </message>
    <message>
        <source>Next favorable period: %1, %2 to %3, starts in %4.</source>
        <translation>पुढचा शुभ चौघडिया: %1, %2 ते %3, %4 नंतर सुरू.</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>a wait under an hour</comment>
        <translation>
            <numerusform>%n मिनिट</numerusform>
            <numerusform>%n मिनिटे</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <comment>a wait of whole hours</comment>
        <translation>
            <numerusform>%n तास</numerusform>
            <numerusform>%n तास</numerusform>
        </translation>
    </message>
    <message>
        <source>Choghadiya and Hora</source>
        <translation>चौघडिया आणि होरा</translation>
    </message>
    <message>
        <source>Marks</source>
        <extracomment>Column of the periods&apos; list: the almanac&apos;s marks (Rahu Kaal, Kaal Vela ...) on a period</extracomment>
        <translation>वर्ज्य</translation>
    </message>
    <message>
        <source>Horas of the day and the night</source>
        <translation>दिवसाचे आणि रात्रीचे होरा</translation>
    </message>
    <message>
        <source>Hora</source>
        <extracomment>Column of the horas&apos; list: which of the 24 planetary hours</extracomment>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Lord</source>
        <extracomment>Column of the horas&apos; list: the planet that rules the hora</extracomment>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Cho&amp;ghadiya</source>
        <extracomment>Tab of the periods window: the eight periods of the day and of the night</extracomment>
        <translation>चौघडिया (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <extracomment>Tab of the periods window: the 24 planetary hours</extracomment>
        <translation>होरा (&amp;H)</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>मागचा दिवस (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापा (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF म्हणून जतन करा (&amp;D)...</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>अभिजित मुहूर्त: %1 ते %2</translation>
    </message>
    <message>
        <source>No Abhijit Muhurat on Wednesday</source>
        <translation>बुधवारी अभिजित मुहूर्त नसतो</translation>
    </message>
    <message>
        <source>Hora %1, %2 to %3, %4, %5</source>
        <translation>होरा %1, %2 ते %3, %4, %5</translation>
    </message>
    <message>
        <source>It falls in %1.</source>
        <translation>तो %1 मध्ये येतो.</translation>
    </message>
    <message>
        <source>Next favorable period without a mark: %1, %2 to %3, starts in %4.</source>
        <translation>वर्ज्य वेळेशिवायचा पुढचा शुभ चौघडिया: %1, %2 ते %3, %4 नंतर सुरू.</translation>
    </message>
    <message>
        <source>No favorable period without a mark comes in the next eight days.</source>
        <translation>पुढच्या आठ दिवसांत वर्ज्य वेळेशिवायचा कोणताही शुभ चौघडिया येत नाही.</translation>
    </message>
    <message>
        <source>Times as %1&apos;s clocks show them (%2), daylight saving included</source>
        <translation>%1 येथील घड्याळे दाखवतात त्याप्रमाणे वेळा (%2), उन्हाळी वेळेसह</translation>
    </message>
    <message>
        <source>the list of places has no place of this name</source>
        <translation>ठिकाणांच्या यादीत या नावाचे ठिकाण नाही</translation>
    </message>
    <message>
        <source>several places have this name</source>
        <translation>या नावाची अनेक ठिकाणे आहेत</translation>
    </message>
    <message>
        <source>no place of this name lies at these coordinates</source>
        <translation>या नावाचे कोणतेही ठिकाण या अक्षांश-रेखांशांवर नाही</translation>
    </message>
    <message>
        <source>%1&apos;s clocks show another offset at the time of work</source>
        <translation>कार्याच्या वेळी %1 येथील घड्याळे वेगळा फरक दाखवतात</translation>
    </message>
    <message>
        <source>this computer does not know the clocks of %1</source>
        <translation>या संगणकाला %1 येथील घड्याळांची माहिती नाही</translation>
    </message>
    <message>
        <source>Times in the zone you typed, %1, on every date: %2</source>
        <translation>प्रत्येक दिनांकाला तुम्ही लिहिलेल्या वेळ क्षेत्रातील वेळा, %1: %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>Qt&apos;s date format of a date within a sentence: 11 March 2024</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>On %1 %2&apos;s clocks show %3; the result was computed with the zone you typed, %4</source>
        <translation>%1 रोजी %2 येथील घड्याळे %3 दाखवतात; निकाल तुम्ही लिहिलेल्या वेळ क्षेत्राने, %4, काढला आहे</translation>
    </message>
    <message>
        <source>%1: from midnight, periods named by %2&apos;s table</source>
        <extracomment>The line of the periods&apos; list where the night reaches midnight: %1 is the new date with its weekday, %2 the weekday whose table names the periods after it</extracomment>
        <translation>%1: मध्यरात्रीपासून चौघडिया %2च्या तक्त्यानुसार</translation>
    </message>
</context>
<context>
    <name>velnora::FrmTimeZone</name>
    <message>
        <source>Time Zones</source>
        <translation>वेळ क्षेत्रे</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करा (&amp;Q)</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट वेळ,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई प्रमाण वेळ,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन वेळ,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक प्रमाण वेळ,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन वेळ,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियन मध्य डेलाइट वेळ,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियन मध्य प्रमाण वेळ,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियन पूर्व डेलाइट वेळ,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियन पूर्व प्रमाण वेळ,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियन पश्चिम डेलाइट वेळ,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियन पश्चिम प्रमाण वेळ,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अझोर्स वेळ, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद वेळ, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग प्रमाण वेळ,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राझील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दुहेरी उन्हाळी वेळ,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश उन्हाळी वेळ,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन वेळ,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य डेलाइट वेळ,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य युरोपीय डेलाइट,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य युरोपीय वेळ,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य प्रमाण वेळ,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन वेळ,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन किनारा वेळ,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्व डेलाइट वेळ,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्व युरोपीय डेलाइट वेळ,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्व युरोपीय वेळ,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्व प्रमाण वेळ,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्व युद्धकालीन वेळ,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच मीन वेळ,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम प्रमाण वेळ,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट वेळ,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई प्रमाण वेळ,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन वेळ,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय वेळ, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>आंतरराष्ट्रीय दिनांक रेषा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>आंतरराष्ट्रीय दिनांक रेषा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>इराण वेळ, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जपान प्रमाण वेळ,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा वेळ, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य युरोपीय डेलाइट वेळ,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य युरोपीय वेळ,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का वेळ, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटन डेलाइट वेळ,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटन प्रमाण वेळ,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटन युद्धकालीन वेळ,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूझीलंड प्रमाण उन्हाळी वेळ,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूझीलंड प्रमाण वेळ,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूझीलंड उन्हाळी वेळ,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूझीलंड वेळ,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफाउंडलंड प्रमाण वेळ,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम वेळ, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा वेळ,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट वेळ,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत प्रमाण वेळ,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन वेळ,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट वेळ,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट वेळ,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया प्रमाण वेळ,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा वेळ,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वत्रिक वेळ, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोव्हिएत क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोव्हिएत क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोव्हिएत क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोव्हिएत क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोव्हिएत क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम आफ्रिका वेळ,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकॉन डेलाइट वेळ,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकॉन प्रमाण वेळ,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकॉन युद्धकालीन वेळ,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>velnora::LookupWindow</name>
    <message>
        <source>Latitude %1 %2 %3, Longitude %4 %5 %6</source>
        <translation>अक्षांश %1 %2 %3, रेखांश %4 %5 %6</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>hours %1 minutes %2</source>
        <translation>तास %1 मिनिटे %2</translation>
    </message>
    <message>
        <source>, Zone %1</source>
        <translation>, क्षेत्र %1</translation>
    </message>
    <message>
        <source> (daylight saving time: %1)</source>
        <translation> (उन्हाळी वेळ: %1)</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>अक्षांश आणि रेखांश शोधा</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>ठिकाणे GeoNames (geonames.org) कडून, Creative Commons Attribution 4.0 (CC BY 4.0) परवान्याखाली.</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>सापडलेली ठिकाणे</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>रेखांश</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>Zone Offset</source>
        <translation>क्षेत्राचा वेळ फरक</translation>
    </message>
    <message>
        <source>Daylight Saving Offset</source>
        <translation>उन्हाळी वेळेचा फरक</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>उन्हाळी वेळ</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>वेबवर शोधा (&amp;W)</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>वेबवर शोधा</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करा (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Places matching %1:</source>
        <translation>%1 शी जुळणारी ठिकाणे:</translation>
    </message>
    <message numerus="yes">
        <source>%1 names more than one place; the first %n match equally, the likeliest first:</source>
        <translation>
            <numerusform>%1 हे एकापेक्षा जास्त ठिकाणांचे नाव आहे; पहिले %n सारखेच जुळते, सर्वांत संभाव्य आधी:</numerusform>
            <numerusform>%1 हे एकापेक्षा जास्त ठिकाणांचे नाव आहे; पहिली %n सारखीच जुळतात, सर्वांत संभाव्य आधी:</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in the offline list matches %1; did you mean %2?</source>
        <translation>ऑफलाइन सूचीतील कोणतेही ठिकाण %1 शी जुळत नाही; तुम्हाला %2 म्हणायचे होते का?</translation>
    </message>
    <message>
        <source>none</source>
        <translation>काहीही नाही</translation>
    </message>
    <message>
        <source>No place in the offline list matches %1. Search the Web to find its latitude and longitude.</source>
        <translation>ऑफलाइन सूचीतील कोणतेही ठिकाण %1 शी जुळत नाही. त्याचे अक्षांश आणि रेखांश जाणून घेण्यासाठी वेबवर शोधा.</translation>
    </message>
    <message>
        <source> Search the Web to find the latitude and longitude.</source>
        <translation> अक्षांश आणि रेखांश जाणून घेण्यासाठी वेबवर शोधा.</translation>
    </message>
    <message>
        <source>Copied to the clipboard: %1</source>
        <translation>क्लिपबोर्डवर प्रत केले: %1</translation>
    </message>
    <message>
        <source>hours %1, minutes %2</source>
        <translation>तास %1, मिनिटे %2</translation>
    </message>
    <message>
        <source>Zone offsets are given as the main form takes them, the time to add to the local clock to get Greenwich time: hours -5, minutes 30: 5 h 30 min ahead of Greenwich; hours 5, minutes 0: 5 h behind it. The sign of the whole zone comes from the hours. Enter or a double-click copies a place&apos;s values.</source>
        <translation>क्षेत्रांचे वेळ फरक मुख्य फॉर्म जसे घेतो तसे दिले आहेत, म्हणजे ग्रीनिच वेळ मिळवण्यासाठी स्थानिक घड्याळात मिळवायची वेळ: तास -5, मिनिटे 30: ग्रीनिचच्या 5 तास 30 मिनिटे पुढे; तास 5, मिनिटे 0: त्याच्या 5 तास मागे. संपूर्ण क्षेत्राचे चिन्ह तासांवरून येते. Enter किंवा डबल-क्लिक ठिकाणाची मूल्ये प्रत करते.</translation>
    </message>
    <message>
        <source>No place in the offline list is named %1; places named with part of it:</source>
        <translation>ऑफलाइन सूचीत %1 नावाचे कोणतेही ठिकाण नाही; त्याच्या एका भागाच्या नावाची ठिकाणे:</translation>
    </message>
    <message>
        <source>There are places named %1, but none in %2:</source>
        <translation>%1 नावाची ठिकाणे आहेत, पण %2 मध्ये एकही नाही:</translation>
    </message>
    <message>
        <source> (%1 named nothing for the first and was passed over)</source>
        <translation> (%1 ने काहीच सापडले नाही, म्हणून ते सोडून दिले)</translation>
    </message>
    <message>
        <source>%1: the district&apos;s largest place, %2</source>
        <translation>%1: जिल्ह्यातील सर्वांत मोठे ठिकाण, %2</translation>
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
        <translation>%3 मध्ये %1 ते %2</translation>
    </message>
    <message>
        <source>until %1 and from %2 %3</source>
        <extracomment>daylight saving time across the turn of the year: &quot;until 5 April and from 4 October 2026&quot;</extracomment>
        <translation>%3 मध्ये %1 पर्यंत आणि %2 पासून</translation>
    </message>
    <message>
        <source>The list of places is not installed (looked for %1).</source>
        <translation>ठिकाणांची सूची स्थापित केलेली नाही (%1 येथे शोधले).</translation>
    </message>
    <message>
        <source>The list of places %1 cannot be read.</source>
        <translation>ठिकाणांची सूची %1 वाचता येत नाही.</translation>
    </message>
    <message>
        <source>The list of places is damaged.</source>
        <translation>ठिकाणांची सूची खराब झाली आहे.</translation>
    </message>
    <message>
        <source>The list of places %1 is damaged.</source>
        <translation>ठिकाणांची सूची %1 खराब झाली आहे.</translation>
    </message>
    <message>
        <source>No place fits %1 by its own name; the first has %2 as another name or within its name:</source>
        <translation>कोणतेही ठिकाण स्वतःच्या नावाने %1 शी जुळत नाही; %2 हे पहिल्या ठिकाणाचे दुसरे नाव आहे किंवा त्याच्या नावाचा भाग आहे:</translation>
    </message>
    <message>
        <source> (%1 is another name of the first, not its own)</source>
        <translation> (%1 हे पहिल्या ठिकाणाचे दुसरे नाव आहे, त्याचे स्वतःचे नाव नाही)</translation>
    </message>
    <message>
        <source> (%1 is only part of the first one&apos;s name)</source>
        <translation> (%1 हा पहिल्या ठिकाणाच्या नावाचा फक्त एक भाग आहे)</translation>
    </message>
    <message>
        <source>Periods of the Day &amp;Here</source>
        <translation>येथील दिवसाचे चौघडिया (&amp;H)</translation>
    </message>
    <message>
        <source>Periods of the Day Here</source>
        <translation>येथील दिवसाचे चौघडिया</translation>
    </message>
</context>
<context>
    <name>velnora::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमची वेबसाइट पहा (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>देणगी द्या (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमवा (&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>नियोजन (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Periods of the Day...</source>
        <translation>दिवसाचे चौघडिया (&amp;P)...</translation>
    </message>
    <message>
        <source>Add to &amp;Calendar...</source>
        <translation>कॅलेंडरमध्ये जोडा (&amp;C)...</translation>
    </message>
</context>
<context>
    <name>velnora::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
</context>
<context>
    <name>velnora::Pages</name>
    <message>
        <source>Latitude %1, longitude %2, zone %3</source>
        <translation>अक्षांश %1, रेखांश %2, क्षेत्र %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Night before %1</source>
        <translation>आदली रात्र %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात्र %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिवस %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>No sunrise or sunset</source>
        <translation>सूर्योदय किंवा सूर्यास्त नाही</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>सूर्योदय %1, सूर्यास्त %2</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>चौघडिया क्रम</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>शेवट</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघडिया</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>फळ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टीप</translation>
    </message>
    <message>
        <source>Time of work</source>
        <translation>कामाची वेळ</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>अभिजित मुहूर्त: %1 ते %2</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: none on Wednesday</source>
        <translation>अभिजित मुहूर्त: बुधवारी नसतो</translation>
    </message>
    <message>
        <source>Horas</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Choghadiya, %1 to %2</source>
        <translation>चौघडिया, %1 ते %2</translation>
    </message>
    <message>
        <source>Sunrise %1</source>
        <translation>सूर्योदय %1</translation>
    </message>
    <message>
        <source>Sunset %1</source>
        <translation>सूर्यास्त %1</translation>
    </message>
    <message>
        <source>%1 %2 with a mark</source>
        <translation>%1 %2, वर्ज्य वेळेसह</translation>
    </message>
</context>
<context>
    <name>velnora::PrintDialogs</name>
    <message>
        <source>This &amp;day</source>
        <translation>हा दिवस (&amp;D)</translation>
    </message>
    <message>
        <source>This &amp;month</source>
        <translation>हा महिना (&amp;M)</translation>
    </message>
    <message>
        <source>Include the 24 &amp;horas</source>
        <translation>24 होरा समाविष्ट करा (&amp;H)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फाइली (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velnora::PrintPeriods</name>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>PDF फाइल %1 लिहिता आली नाही: %2</translation>
    </message>
    <message>
        <source>The pages were written to %1.</source>
        <translation>पृष्ठे %1 मध्ये लिहिली.</translation>
    </message>
</context>
<context>
    <name>velnora::Program</name>
    <message>
        <source>Velnora helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>Velnora तुम्हाला असा शुभ काळ शोधण्यास मदत करतो ज्यात तुम्ही एखादे महत्त्वाचे काम सुरू करू शकता. चांगल्या फळासाठी महत्त्वाची कामे शुभ काळात करा आणि अशुभ काळात ती टाळा.</translation>
    </message>
</context>
</TS>
