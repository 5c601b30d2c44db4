<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
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
        <translation>वार वेला</translation>
    </message>
    <message>
        <source>Kaal Vela</source>
        <extracomment>Almanac mark on a part of the day ruled by Saturn</extracomment>
        <translation>काल वेला</translation>
    </message>
    <message>
        <source>Kaal Ratri</source>
        <extracomment>Almanac mark on a part of the night ruled by Saturn</extracomment>
        <translation>काल रात्रि</translation>
    </message>
    <message>
        <source>Rahu Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Rahu</extracomment>
        <translation>राहुकाल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <extracomment>Almanac mark: the part of the day called Yamaganda</extracomment>
        <translation>यमगंड</translation>
    </message>
    <message>
        <source>Gulika Kaal</source>
        <extracomment>Almanac mark: the part of the day ruled by Gulika</extracomment>
        <translation>गुलिक काल</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच का मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट में 0 से 59 के बीच का मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच का मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश के मिनट में 0 से 59 के बीच का मान लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Of Work</source>
        <translation>कृपया कार्य का सही दिनांक चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Time Of Work</source>
        <translation>कृपया कार्य का सही समय चुनें</translation>
    </message>
    <message>
        <source>Please Enter Time Zone</source>
        <translation>कृपया समय क्षेत्र लिखें</translation>
    </message>
    <message>
        <source>Sun Does Not Rise Or Set At This Place Around This Date</source>
        <translation>इस दिनांक के आसपास इस स्थान पर सूर्य उदय या अस्त नहीं होता</translation>
    </message>
    <message>
        <source>Sun Rise And Sun Set Do Not Fall On This Date Here</source>
        <translation>यहाँ सूर्योदय और सूर्यास्त इस दिनांक पर नहीं पड़ते</translation>
    </message>
    <message>
        <source>Sun Sets After Midnight Here On %1, Next To This Date, So This Date Cannot Be Evaluated</source>
        <translatorcomment>%1 is a date</translatorcomment>
        <translation>यहाँ %1 को, इस दिनांक के पास वाले दिनांक पर, सूर्यास्त आधी रात के बाद होता है, इसलिए इस दिनांक का मूल्यांकन नहीं हो सकता</translation>
    </message>
    <message>
        <source>Sun Rise Comes After Sun Set In This Time Zone. Check the zone&apos;s sign: zones east of Greenwich are negative (India: hours -5, minutes 30 or -30)</source>
        <translation>इस समय क्षेत्र में सूर्योदय सूर्यास्त के बाद आता है। समय क्षेत्र का चिह्न जाँचें: ग्रीनविच के पूर्व के क्षेत्र ऋणात्मक होते हैं (भारत: घंटे -5, मिनट 30 या -30)</translation>
    </message>
    <message>
        <source>No %1 Period From %2 To %3: After The Time Of Work None Of These Dates Has Its Sun Rise And Sun Set In Order Here</source>
        <translatorcomment>%1 is a kind of period (favorable, or a period name), %2 the time of work, %3 a date</translatorcomment>
        <translation>%2 से %3 तक कोई %1 अवधि नहीं: कार्य के समय के बाद इनमें से किसी दिनांक पर यहाँ सूर्योदय और सूर्यास्त क्रम में नहीं हैं</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार किए जाते हैं</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है<byte value="xd"/>क्या आप अपडेट देखना चाहते हैं?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में खाली जगह नहीं हो सकती</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते लिखें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल लिखें</translation>
    </message>
    <message>
        <source>Application cannot check whether it is already running: no lock file can be made in %1</source>
        <translation>प्रोग्राम यह जाँच नहीं सकता कि वह पहले से चल रहा है या नहीं: %1 में लॉक फ़ाइल नहीं बनाई जा सकती</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
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
        <translation>चल</translation>
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
        <translation>काल</translation>
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
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Mercury</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Venus</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Saturn</source>
        <extracomment>The planet ruling a hora</extracomment>
        <translation>शनि</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Time period for work can be favorable.</source>
        <translation>कार्य के लिए यह समय शुभ हो सकता है।</translation>
    </message>
    <message>
        <source>Time period for work can be intermediate.</source>
        <translation>कार्य के लिए यह समय मध्यम हो सकता है।</translation>
    </message>
    <message>
        <source>Time period for work can be unfavorable.</source>
        <translation>कार्य के लिए यह समय अशुभ हो सकता है।</translation>
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
        <translation>कैलेंडर फ़ाइल %1 नहीं लिखी जा सकी: %2</translation>
    </message>
    <message>
        <source>%1 favorable periods of %2 days were written to %3.</source>
        <translation>%2 दिनों के %1 शुभ चौघड़िया %3 में लिखे गए।</translation>
    </message>
    <message>
        <source>the contents could not be written in full</source>
        <translation>पूरी सामग्री नहीं लिखी जा सकी</translation>
    </message>
    <message>
        <source>a link another user made in a shared folder is not followed</source>
        <translation>साझा फ़ोल्डर में किसी दूसरे उपयोगकर्ता की बनाई कड़ी का अनुसरण नहीं किया जाता</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>यह साधारण फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>यह एक फ़ोल्डर है</translation>
    </message>
    <message>
        <source>the file is read-only for this user</source>
        <translation>यह फ़ाइल इस उपयोगकर्ता के लिए केवल पढ़ने हेतु है</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>अनुमति नहीं है</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>फ़ाइल सिस्टम केवल पढ़ने हेतु है</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>डिस्क पर जगह नहीं बची</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>ऐसी कोई फ़ाइल या फ़ोल्डर नहीं है</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>फ़ाइल का नाम बहुत लंबा है</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>कड़ियों के बहुत अधिक स्तर हैं</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>फ़ाइल बहुत बड़ी है</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>इनपुट/आउटपुट त्रुटि</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>सिस्टम त्रुटि %1</translation>
    </message>
    <message>
        <source>%1 favorable periods without an almanac mark of %2 days were written to %3.</source>
        <translation>%2 दिनों के वर्जित काल से मुक्त %1 शुभ चौघड़िया %3 में लिखे गए।</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>पहला</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>दूसरा</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>तीसरा</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>चौथा</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>पाँचवाँ</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>छठा</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>सातवाँ</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>आठवाँ</translation>
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
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Choghadiya at %1</source>
        <translation>%1 का चौघड़िया</translation>
    </message>
    <message>
        <source>Choghadiya periods of 1 day, %1</source>
        <translation>1 दिन के चौघड़िया, %1</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of 1 day, %1</source>
        <translation>1 दिन के शुभ चौघड़िया, %1</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 दिनों के चौघड़िया, %2 से %3</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days, %2 to %3</source>
        <translation>%1 दिनों के शुभ चौघड़िया, %2 से %3</translation>
    </message>
    <message>
        <source>Choghadiya periods of %1 days</source>
        <translation>%1 दिनों के चौघड़िया</translation>
    </message>
    <message>
        <source>Favorable Choghadiya periods of %1 days</source>
        <translation>%1 दिनों के शुभ चौघड़िया</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>an event&apos;s title: the period&apos;s name and its verdict</extracomment>
        <translation>%1: %2</translation>
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
        <translation>%1 %3 में %2 चौघड़िया है: रात के आठ चौघड़ियों में %4, सूर्यास्त से अगले सूर्योदय तक</translation>
    </message>
    <message>
        <source>%1 is %2 Choghadiya period at %3: the %4 of the eight periods of the day, from sunrise to sunset</source>
        <translation>%1 %3 में %2 चौघड़िया है: दिन के आठ चौघड़ियों में %4, सूर्योदय से सूर्यास्त तक</translation>
    </message>
    <message>
        <source>%1; its part after midnight</source>
        <translation>%1; इसका मध्यरात्रि के बाद का भाग</translation>
    </message>
    <message>
        <source>%1; its part before midnight</source>
        <translation>%1; इसका मध्यरात्रि से पहले का भाग</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>ends an event&apos;s description</extracomment>
        <translation>%1।</translation>
    </message>
    <message>
        <source>%1 (%2) begins now</source>
        <translation>%1 (%2) अभी आरंभ होता है</translation>
    </message>
    <message>
        <source>%1 (%2) begins in %3 minutes</source>
        <translation>%1 (%2) %3 मिनट में आरंभ होता है</translation>
    </message>
    <message>
        <source>%1, without an almanac mark</source>
        <extracomment>what a calendar of only the periods without an almanac mark covers</extracomment>
        <translation>%1, पंचांग के किसी वर्जित काल के बिना</translation>
    </message>
    <message>
        <source>%1 The almanac marks it as %2, in which no auspicious work is begun.</source>
        <translation>%1 पंचांग में यह %2 है, जिसमें कोई शुभ कार्य आरंभ नहीं किया जाता।</translation>
    </message>
</context>
<context>
    <name>velnora::Banners</name>
    <message>
        <source>Got a question about good times? Ask it in our online discussion forum. Click here to visit now!</source>
        <translation>शुभ समय के बारे में कोई प्रश्न है? हमारे ऑनलाइन चर्चा मंच पर पूछें। अभी देखने के लिए यहाँ क्लिक करें!</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यापार का अवसर। अपना इंटरनेट व्यापार शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर पर अपनी साइट का को-ब्रांड लगाएँ। अपनी साइट के पाठक और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें। को-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Forum</source>
        <extracomment>the strip at the top of a window that links to the discussion forum</extracomment>
        <translation>चर्चा मंच</translation>
    </message>
    <message>
        <source>Offers</source>
        <extracomment>the strip at the bottom of a window with the promotional offers</extracomment>
        <translation>ऑफ़र</translation>
    </message>
</context>
<context>
    <name>velnora::CalendarDialogs</name>
    <message>
        <source>Number of days to put into the calendar:</source>
        <translation>कैलेंडर में रखने के दिनों की संख्या:</translation>
    </message>
    <message>
        <source>Add to Calendar</source>
        <translation>कैलेंडर में जोड़ें</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>कैलेंडर फ़ाइलें (*.ics)</translation>
    </message>
    <message>
        <source>Every favorable period</source>
        <translation>सभी शुभ चौघड़िया</translation>
    </message>
    <message>
        <source>Only favorable periods without an almanac mark (Rahu Kaal, Kaal Vela, Kaal Ratri ...)</source>
        <translation>केवल वर्जित काल से मुक्त शुभ चौघड़िया (राहुकाल, काल वेला, काल रात्रि ...)</translation>
    </message>
    <message>
        <source>Periods to put into the calendar:</source>
        <translation>कैलेंडर में रखने के चौघड़िया:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmAbout</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यापार का अवसर। अपना इंटरनेट व्यापार शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
</context>
<context>
    <name>velnora::FrmDisplay</name>
    <message>
        <source>Date of Work :</source>
        <translation>कार्य का दिनांक :</translation>
    </message>
    <message>
        <source>Time of Work :</source>
        <translation>कार्य का समय :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>देशांतर :</translation>
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
        <translation>सूर्योदय का समय</translation>
    </message>
    <message>
        <source>Sun Set Time On</source>
        <translation>सूर्यास्त का समय</translation>
    </message>
    <message>
        <source>Chogadiya helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>चौघड़िया आपको वह शुभ समय खोजने में मदद करता है जिसमें आप कोई महत्वपूर्ण कार्य शुरू कर सकते हैं। अच्छे परिणाम के लिए महत्वपूर्ण कार्य शुभ समय में करें और अशुभ समय में उनसे बचें।</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>खाली</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>returns from the result to the input window (&quot;go back&quot;), not the reverse side</extracomment>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Velnora Result</source>
        <translation>Velnora परिणाम</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Sun Rise Details</source>
        <translation>सूर्योदय और सूर्यास्त</translation>
    </message>
    <message>
        <source>Time Period</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Choghadiya for given day:</source>
        <translation>दिए गए दिन का चौघड़िया:</translation>
    </message>
</context>
<context>
    <name>velnora::FrmFarewell</name>
    <message>
        <source>Programs like Velnora can only be made and kept up with your support, and the best support you can give is to visit the Quenvale Forum regularly and take part in its discussions and activities.</source>
        <translation>Velnora जैसे प्रोग्राम आपके सहयोग से ही बन और चल सकते हैं, और आपका सबसे अच्छा सहयोग यह है कि आप Quenvale फ़ोरम पर नियमित रूप से आएँ और उसकी चर्चाओं और गतिविधियों में भाग लें।</translation>
    </message>
    <message>
        <source>Please visit the Quenvale Forum regularly and join in its discussions and activities. Without your regular visits we cannot support and maintain programs like this one.</source>
        <translation>कृपया Quenvale फ़ोरम पर नियमित रूप से आएँ और उसकी चर्चाओं और गतिविधियों में शामिल हों। आपके नियमित आने के बिना हम ऐसे प्रोग्राम नहीं चला और सँभाल सकते।</translation>
    </message>
    <message>
        <source>The Quenvale Forum is a free online discussion forum. Every regular visit you pay it helps us develop and maintain Velnora.</source>
        <translation>Quenvale फ़ोरम एक निःशुल्क ऑनलाइन चर्चा मंच है। वहाँ आपका हर नियमित आना Velnora को विकसित करने और सँभालने में हमारी मदद करता है।</translation>
    </message>
    <message>
        <source>The Quenvale Forum needs your help! Visit it regularly and take part in its discussions and activities, and you help us maintain and develop more programs.</source>
        <translation>Quenvale फ़ोरम को आपकी मदद चाहिए! वहाँ नियमित रूप से आएँ और उसकी चर्चाओं और गतिविधियों में भाग लें, इससे आप और प्रोग्राम सँभालने और विकसित करने में हमारी मदद करते हैं।</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Visit The Quenvale Forum Now!</source>
        <translation>अभी Quenvale फ़ोरम पर जाएँ!</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को बताएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को बताएँ (&amp;N)</translation>
    </message>
    <message>
        <source>Download Quenvale Softwares</source>
        <translation>Quenvale सॉफ़्टवेयर डाउनलोड करें</translation>
    </message>
    <message>
        <source>Did you enjoy Velnora? Then try our other programs on astrology, psychic readings, tarot, numerology and the occult. Like this one, they are simple, informative and fun to use.

Download them today and share the experience with your friends and family.</source>
        <translation>क्या आपको Velnora पसंद आया? तो ज्योतिष, अंतर्ज्ञान, टैरो, अंक ज्योतिष और गूढ़ विद्या पर हमारे अन्य प्रोग्राम भी आज़माएँ। इसी की तरह वे सरल, जानकारी से भरे और चलाने में मज़ेदार हैं।

उन्हें आज ही डाउनलोड करें और यह अनुभव अपने मित्रों और परिवार के साथ बाँटें।</translation>
    </message>
    <message>
        <source>Click Here To Visit Quenvale Softwares</source>
        <translation>Quenvale सॉफ़्टवेयर देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
</context>
<context>
    <name>velnora::FrmMain</name>
    <message>
        <source>&amp;Proceed</source>
        <translation>आगे बढ़ें (&amp;P)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें (&amp;U)</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Enter Date for Doing Important Work</source>
        <translation>महत्वपूर्ण कार्य का दिनांक चुनें</translation>
    </message>
    <message>
        <source>Hour</source>
        <extracomment>caption below the box of the zone&apos;s hours</extracomment>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Enter Time for Doing Important Work</source>
        <translation>महत्वपूर्ण कार्य का समय चुनें</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घं:मि:से</translation>
    </message>
    <message>
        <source>Time Zone Hour</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Time Zone Minute</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>Enter Your Time Zone</source>
        <translation>अपना समय क्षेत्र लिखें</translation>
    </message>
    <message>
        <source>Min</source>
        <extracomment>caption below the box of the zone&apos;s minutes (short for minutes)
----------
caption below the box of the minutes of latitude or longitude</extracomment>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>Enter Latitude</source>
        <translation>अक्षांश लिखें</translation>
    </message>
    <message>
        <source>Latitude Degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude Minutes</source>
        <translation>अक्षांश के मिनट</translation>
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
        <translation>देशांतर लिखें</translation>
    </message>
    <message>
        <source>Longitude Degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude Minutes</source>
        <translation>देशांतर के मिनट</translation>
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
        <translation>अपने शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Enter Your State Name</source>
        <translation>अपने राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Enter Your Country Name</source>
        <translation>अपने देश का नाम लिखें</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Your Details and the Time of Work</source>
        <extracomment>the group of every field of the main window, named for a screen reader</extracomment>
        <translation>आपका विवरण और कार्य का समय</translation>
    </message>
    <message>
        <source>Month of Work</source>
        <translation>कार्य का महीना</translation>
    </message>
    <message>
        <source>Day of Work</source>
        <translation>कार्य का दिन</translation>
    </message>
    <message>
        <source>Year of Work</source>
        <translation>कार्य का वर्ष</translation>
    </message>
    <message>
        <source>Hour of Work</source>
        <translation>कार्य का घंटा</translation>
    </message>
    <message>
        <source>Minute of Work</source>
        <translation>कार्य का मिनट</translation>
    </message>
    <message>
        <source>Second of Work</source>
        <translation>कार्य का सेकंड</translation>
    </message>
</context>
<context>
    <name>velnora::FrmPeriods</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 घंटे %2 मिनट</translation>
    </message>
    <message>
        <source>Periods of the Day</source>
        <translation>दिन के चौघड़िया</translation>
    </message>
    <message>
        <source>Periods of the day and the night</source>
        <translation>दिन और रात के चौघड़िया</translation>
    </message>
    <message>
        <source>Period</source>
        <extracomment>Column of the periods&apos; list: which of the day&apos;s or the night&apos;s eight periods</extracomment>
        <translation>चौघड़िया क्रम</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Column of the periods&apos; list: the time a period starts</extracomment>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <extracomment>Column of the periods&apos; list: the time a period ends</extracomment>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <extracomment>Column of the periods&apos; list: the Choghadiya name (Amrut, Shubh ...)</extracomment>
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Verdict</source>
        <extracomment>Column of the periods&apos; list: favorable, intermediate or unfavorable</extracomment>
        <translation>फल</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>अगला दिन (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <extracomment>moves the list to today&apos;s date</extracomment>
        <translation>आज (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
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
        <translation>पिछली रात %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिन %1</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4, %5</source>
        <translation>%1, %2 से %3, %4, %5</translation>
    </message>
    <message>
        <source>%1, the time of work</source>
        <translation>%1, कार्य का समय</translation>
    </message>
    <message>
        <source>No favorable period comes in the next eight days.</source>
        <translation>अगले आठ दिनों में कोई शुभ चौघड़िया नहीं है।</translation>
    </message>
    <message>
        <source>The time of work lies in a favorable period: %1, until %2, %3 left.</source>
        <translation>कार्य का समय शुभ चौघड़िया में है: %1, %2 तक, %3 शेष।</translation>
    </message>
    <message>
        <source>Next favorable period: %1, %2 to %3, starts in %4.</source>
        <translation>अगला शुभ चौघड़िया: %1, %2 से %3, %4 में आरंभ।</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <comment>a wait under an hour</comment>
        <translation>
            <numerusform>%n मिनट</numerusform>
            <numerusform>%n मिनट</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n h</source>
        <comment>a wait of whole hours</comment>
        <translation>
            <numerusform>%n घंटा</numerusform>
            <numerusform>%n घंटे</numerusform>
        </translation>
    </message>
    <message>
        <source>Choghadiya and Hora</source>
        <translation>चौघड़िया और होरा</translation>
    </message>
    <message>
        <source>Marks</source>
        <extracomment>Column of the periods&apos; list: the almanac&apos;s marks (Rahu Kaal, Kaal Vela ...) on a period</extracomment>
        <translation>वर्जित</translation>
    </message>
    <message>
        <source>Horas of the day and the night</source>
        <translation>दिन और रात के होरा</translation>
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
        <translation>चौघड़िया (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Hora</source>
        <extracomment>Tab of the periods window: the 24 planetary hours</extracomment>
        <translation>होरा (&amp;H)</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>अभिजित मुहूर्त: %1 से %2</translation>
    </message>
    <message>
        <source>No Abhijit Muhurat on Wednesday</source>
        <translation>बुधवार को अभिजित मुहूर्त नहीं होता</translation>
    </message>
    <message>
        <source>Hora %1, %2 to %3, %4, %5</source>
        <translation>होरा %1, %2 से %3, %4, %5</translation>
    </message>
    <message>
        <source>It falls in %1.</source>
        <translation>यह %1 में पड़ता है।</translation>
    </message>
    <message>
        <source>Next favorable period without a mark: %1, %2 to %3, starts in %4.</source>
        <translation>वर्जित काल से मुक्त अगला शुभ चौघड़िया: %1, %2 से %3, %4 में आरंभ।</translation>
    </message>
    <message>
        <source>No favorable period without a mark comes in the next eight days.</source>
        <translation>अगले आठ दिनों में वर्जित काल से मुक्त कोई शुभ चौघड़िया नहीं है।</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>पिछला दिन (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापें... (&amp;P)</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>PDF के रूप में सहेजें... (&amp;D)</translation>
    </message>
    <message>
        <source>Times as %1&apos;s clocks show them (%2), daylight saving included</source>
        <translation>समय वैसे ही जैसे %1 की घड़ियाँ दिखाती हैं (%2), ग्रीष्मकालीन समय सहित</translation>
    </message>
    <message>
        <source>the list of places has no place of this name</source>
        <translation>स्थानों की सूची में इस नाम का कोई स्थान नहीं है</translation>
    </message>
    <message>
        <source>several places have this name</source>
        <translation>इस नाम के कई स्थान हैं</translation>
    </message>
    <message>
        <source>no place of this name lies at these coordinates</source>
        <translation>इस नाम का कोई स्थान इन अक्षांश-देशांतर पर नहीं है</translation>
    </message>
    <message>
        <source>%1&apos;s clocks show another offset at the time of work</source>
        <translation>कार्य के समय %1 की घड़ियाँ दूसरा अंतर दिखाती हैं</translation>
    </message>
    <message>
        <source>this computer does not know the clocks of %1</source>
        <translation>यह कंप्यूटर %1 की घड़ियों को नहीं जानता</translation>
    </message>
    <message>
        <source>Times in the zone you typed, %1, on every date: %2</source>
        <translation>हर तारीख़ पर समय आपके लिखे समय क्षेत्र, %1, में: %2</translation>
    </message>
    <message>
        <source>On %1 %2&apos;s clocks show %3; the result was computed with the zone you typed, %4</source>
        <translation>%1 को %2 की घड़ियाँ %3 दिखाती हैं; परिणाम आपके लिखे समय क्षेत्र, %4, से निकाला गया</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>Qt&apos;s date format of a date within a sentence: 11 March 2024</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1: from midnight, periods named by %2&apos;s table</source>
        <extracomment>The line of the periods&apos; list where the night reaches midnight: %1 is the new date with its weekday, %2 the weekday whose table names the periods after it</extracomment>
        <translation>%1: मध्यरात्रि से चौघड़िया %2 की तालिका के अनुसार</translation>
    </message>
</context>
<context>
    <name>velnora::FrmTimeZone</name>
    <message>
        <source>Time Zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई मध्य डेलाइट समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बगदाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्म समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्म समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य डेलाइट समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तट समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी डेलाइट समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच मीन समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय दिनांक रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय दिनांक रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुक्का समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>माउंटेन डेलाइट समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>माउंटेन मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>माउंटेन युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्म समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्म समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तर सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिण सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>युकोन डेलाइट समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>युकोन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>युकोन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
<context>
    <name>velnora::LookupWindow</name>
    <message>
        <source>Latitude %1 %2 %3, Longitude %4 %5 %6</source>
        <translation>अक्षांश %1 %2 %3, देशांतर %4 %5 %6</translation>
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
        <translation>घंटे %1 मिनट %2</translation>
    </message>
    <message>
        <source>, Zone %1</source>
        <translation>, समय क्षेत्र %1</translation>
    </message>
    <message>
        <source> (daylight saving time: %1)</source>
        <translation> (ग्रीष्मकालीन समय: %1)</translation>
    </message>
    <message>
        <source>Find Latitude &amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजें</translation>
    </message>
    <message>
        <source>Places from GeoNames (geonames.org), licensed under Creative Commons Attribution 4.0 (CC BY 4.0).</source>
        <translation>स्थान GeoNames (geonames.org) से, Creative Commons Attribution 4.0 (CC BY 4.0) लाइसेंस के अंतर्गत।</translation>
    </message>
    <message>
        <source>Places found</source>
        <translation>मिले स्थान</translation>
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
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Zone Offset</source>
        <translation>क्षेत्र का समय अंतर</translation>
    </message>
    <message>
        <source>Daylight Saving Offset</source>
        <translation>ग्रीष्मकालीन समय अंतर</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>Search the &amp;Web</source>
        <translation>वेब पर खोजें (&amp;W)</translation>
    </message>
    <message>
        <source>Search the Web</source>
        <translation>वेब पर खोजें</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Places matching %1:</source>
        <translation>%1 से मेल खाते स्थान:</translation>
    </message>
    <message numerus="yes">
        <source>%1 names more than one place; the first %n match equally, the likeliest first:</source>
        <translation>
            <numerusform>%1 एक से अधिक स्थानों का नाम है; पहला %n समान रूप से मेल खाता है, सबसे संभावित पहले:</numerusform>
            <numerusform>%1 एक से अधिक स्थानों का नाम है; पहले %n समान रूप से मेल खाते हैं, सबसे संभावित पहले:</numerusform>
        </translation>
    </message>
    <message>
        <source>No place in the offline list matches %1; did you mean %2?</source>
        <translation>ऑफ़लाइन सूची में कोई स्थान %1 से मेल नहीं खाता; क्या आपका मतलब %2 था?</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>No place in the offline list matches %1. Search the Web to find its latitude and longitude.</source>
        <translation>ऑफ़लाइन सूची में कोई स्थान %1 से मेल नहीं खाता। उसका अक्षांश और देशांतर जानने के लिए वेब पर खोजें।</translation>
    </message>
    <message>
        <source> Search the Web to find the latitude and longitude.</source>
        <translation> अक्षांश और देशांतर जानने के लिए वेब पर खोजें।</translation>
    </message>
    <message>
        <source>Copied to the clipboard: %1</source>
        <translation>क्लिपबोर्ड पर कॉपी किया गया: %1</translation>
    </message>
    <message>
        <source>hours %1, minutes %2</source>
        <translation>घंटे %1, मिनट %2</translation>
    </message>
    <message>
        <source>Zone offsets are given as the main form takes them, the time to add to the local clock to get Greenwich time: hours -5, minutes 30: 5 h 30 min ahead of Greenwich; hours 5, minutes 0: 5 h behind it. The sign of the whole zone comes from the hours. Enter or a double-click copies a place&apos;s values.</source>
        <translation>क्षेत्र समय अंतर वैसे दिए गए हैं जैसे मुख्य फ़ॉर्म उन्हें लेता है, यानी ग्रीनविच समय पाने के लिए स्थानीय घड़ी में जोड़ा जाने वाला समय: घंटे -5, मिनट 30: ग्रीनविच से 5 घंटे 30 मिनट आगे; घंटे 5, मिनट 0: उससे 5 घंटे पीछे। पूरे क्षेत्र का चिह्न घंटों से आता है। Enter या डबल-क्लिक किसी स्थान के मान कॉपी करता है।</translation>
    </message>
    <message>
        <source>No place in the offline list is named %1; places named with part of it:</source>
        <translation>ऑफ़लाइन सूची में %1 नाम का कोई स्थान नहीं है; उसके एक भाग के नाम वाले स्थान:</translation>
    </message>
    <message>
        <source>There are places named %1, but none in %2:</source>
        <translation>%1 नाम के स्थान हैं, पर %2 में कोई नहीं:</translation>
    </message>
    <message>
        <source> (%1 named nothing for the first and was passed over)</source>
        <translation> (%1 से कुछ नहीं मिला, इसलिए उसे छोड़ दिया गया)</translation>
    </message>
    <message>
        <source>%1: the district&apos;s largest place, %2</source>
        <translation>%1: ज़िले का सबसे बड़ा स्थान, %2</translation>
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
        <translation>%3 में %1 से %2 तक</translation>
    </message>
    <message>
        <source>until %1 and from %2 %3</source>
        <extracomment>daylight saving time across the turn of the year: &quot;until 5 April and from 4 October 2026&quot;</extracomment>
        <translation>%3 में %1 तक और %2 से</translation>
    </message>
    <message>
        <source>The list of places is not installed (looked for %1).</source>
        <translation>स्थानों की सूची स्थापित नहीं है (%1 में खोजा गया)।</translation>
    </message>
    <message>
        <source>The list of places %1 cannot be read.</source>
        <translation>स्थानों की सूची %1 पढ़ी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>The list of places is damaged.</source>
        <translation>स्थानों की सूची क्षतिग्रस्त है।</translation>
    </message>
    <message>
        <source>The list of places %1 is damaged.</source>
        <translation>स्थानों की सूची %1 क्षतिग्रस्त है।</translation>
    </message>
    <message>
        <source>No place fits %1 by its own name; the first has %2 as another name or within its name:</source>
        <translation>कोई स्थान अपने नाम से %1 से मेल नहीं खाता; पहले स्थान का %2 दूसरा नाम है या उसके नाम का भाग है:</translation>
    </message>
    <message>
        <source> (%1 is another name of the first, not its own)</source>
        <translation> (%1 पहले स्थान का दूसरा नाम है, उसका अपना नाम नहीं)</translation>
    </message>
    <message>
        <source> (%1 is only part of the first one&apos;s name)</source>
        <translation> (%1 पहले स्थान के नाम का केवल एक भाग है)</translation>
    </message>
    <message>
        <source>Periods of the Day &amp;Here</source>
        <translation>यहाँ के दिन के चौघड़िया (&amp;H)</translation>
    </message>
    <message>
        <source>Periods of the Day Here</source>
        <translation>यहाँ के दिन के चौघड़िया</translation>
    </message>
</context>
<context>
    <name>velnora::Menus</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;lan</source>
        <translation>योजना (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Periods of the Day...</source>
        <translation>दिन के चौघड़िया (&amp;P)...</translation>
    </message>
    <message>
        <source>Add to &amp;Calendar...</source>
        <translation>कैलेंडर में जोड़ें (&amp;C)...</translation>
    </message>
</context>
<context>
    <name>velnora::MessageBoxes</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
</context>
<context>
    <name>velnora::Pages</name>
    <message>
        <source>Latitude %1, longitude %2, zone %3</source>
        <translation>अक्षांश %1, देशांतर %2, समय क्षेत्र %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Night before %1</source>
        <translation>पिछली रात %1</translation>
    </message>
    <message>
        <source>Night %1</source>
        <translation>रात %1</translation>
    </message>
    <message>
        <source>Day %1</source>
        <translation>दिन %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>No sunrise or sunset</source>
        <translation>सूर्योदय या सूर्यास्त नहीं</translation>
    </message>
    <message>
        <source>Sunrise %1, sunset %2</source>
        <translation>सूर्योदय %1, सूर्यास्त %2</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>चौघड़िया क्रम</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>Time of work</source>
        <translation>कार्य का समय</translation>
    </message>
    <message>
        <source>Choghadiya, %1 to %2</source>
        <translation>चौघड़िया, %1 से %2</translation>
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
        <source>Abhijit Muhurat: %1 to %2</source>
        <translation>अभिजित मुहूर्त: %1 से %2</translation>
    </message>
    <message>
        <source>Abhijit Muhurat: none on Wednesday</source>
        <translation>अभिजित मुहूर्त: बुधवार को नहीं</translation>
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
        <source>%1 %2 with a mark</source>
        <translation>%1 %2, दोष सहित</translation>
    </message>
</context>
<context>
    <name>velnora::PrintDialogs</name>
    <message>
        <source>This &amp;day</source>
        <translation>यह दिन (&amp;D)</translation>
    </message>
    <message>
        <source>This &amp;month</source>
        <translation>यह महीना (&amp;M)</translation>
    </message>
    <message>
        <source>Include the 24 &amp;horas</source>
        <translation>24 होरा भी (&amp;H)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
</context>
<context>
    <name>velnora::PrintPeriods</name>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>PDF फ़ाइल %1 नहीं लिखी जा सकी: %2</translation>
    </message>
    <message>
        <source>The pages were written to %1.</source>
        <translation>पृष्ठ %1 में लिखे गए।</translation>
    </message>
</context>
<context>
    <name>velnora::Program</name>
    <message>
        <source>Velnora helps you find a favorable period during which you can start an important task. Perform important tasks in the favorable period and avoid them during the unfavorable period for good results.</source>
        <translation>Velnora आपको वह शुभ समय खोजने में मदद करता है जिसमें आप कोई महत्वपूर्ण कार्य शुरू कर सकते हैं। अच्छे परिणाम के लिए महत्वपूर्ण कार्य शुभ समय में करें और अशुभ समय में उनसे बचें।</translation>
    </message>
</context>
</TS>
