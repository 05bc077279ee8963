<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>QtPlatform</name>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
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
    <name>ReadingFile</name>
    <message>
        <source>name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>longitude minutes</source>
        <translation>देशांतर की कलाएँ</translation>
    </message>
    <message>
        <source>latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>latitude minutes</source>
        <translation>अक्षांश की कलाएँ</translation>
    </message>
    <message>
        <source>time-zone hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>time-zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>पूर्व या पश्चिम</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>उत्तर या दक्षिण</translation>
    </message>
    <message>
        <source>daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>full name</source>
        <translation>पूरा नाम</translation>
    </message>
    <message>
        <source>town</source>
        <translation>नगर</translation>
    </message>
    <message>
        <source>line %1 (%2) is missing</source>
        <translation>पंक्ति %1 (%2) नहीं है</translation>
    </message>
    <message>
        <source>line %1 (%2) held control characters or more than 100 characters; only the rest was kept</source>
        <translation>पंक्ति %1 (%2) में नियंत्रण वर्ण थे या 100 से अधिक वर्ण थे; केवल बाक़ी भाग रखा गया</translation>
    </message>
    <message>
        <source>line %1 (%2) is not a value it can take and was ignored</source>
        <translation>पंक्ति %1 (%2) में ऐसा मान है जो यह नहीं ले सकती, इसलिए उसे छोड़ दिया गया</translation>
    </message>
    <message>
        <source>This file is damaged, so the reading may not be the one saved:</source>
        <translation>यह फ़ाइल क्षतिग्रस्त है, इसलिए फल वह नहीं भी हो सकता जो सहेजा गया था:</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँच लें।</translation>
    </message>
    <message>
        <source>Could Not Save The File.</source>
        <translation>फ़ाइल सहेजी नहीं जा सकी।</translation>
    </message>
</context>
<context>
    <name>tivora::BirthplaceFinder</name>
    <message>
        <source>The atlas of towns could not be read, so no towns are offered. Type the latitude, longitude and time zone in their boxes.</source>
        <translation>नगरों का एटलस पढ़ा नहीं जा सका, इसलिए कोई नगर नहीं सुझाया गया। अक्षांश, देशांतर और समय क्षेत्र उनके खानों में लिखें।</translation>
    </message>
    <message>
        <source>No town called &quot;%1&quot; is in the atlas. Type the latitude, longitude and time zone in their boxes.</source>
        <translation>एटलस में &quot;%1&quot; नाम का कोई नगर नहीं है। अक्षांश, देशांतर और समय क्षेत्र उनके खानों में लिखें।</translation>
    </message>
    <message>
        <source>Use %1 instead.</source>
        <translation>इसके बजाय %1 लें।</translation>
    </message>
    <message>
        <source>Use %1 (%2) again.</source>
        <translation>फिर से %1 (%2) लें।</translation>
    </message>
    <message>
        <source>Using %1, %2.</source>
        <translation>%1 लिया गया, %2।</translation>
    </message>
    <message>
        <source>offset uncertain</source>
        <translation>अंतर अनिश्चित</translation>
    </message>
    <message>
        <source>%1, offset uncertain</source>
        <translation>%1, अंतर अनिश्चित</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>दिसंबर</translation>
    </message>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
    <message>
        <source>%1 UT on %2</source>
        <translation>%2 को %1 UT</translation>
    </message>
    <message>
        <source>Ascendant %1</source>
        <translation>लग्न %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 को %1</translation>
    </message>
</context>
<context>
    <name>tivora::EntryMessages</name>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम लिखें</translation>
    </message>
    <message>
        <source>Please Remove Control Characters From The Name</source>
        <translation>कृपया नाम से नियंत्रण वर्ण हटाएँ</translation>
    </message>
    <message>
        <source>Please Enter Hour and Minute of Time Zone</source>
        <translation>कृपया समय क्षेत्र के घंटे और मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कलाएँ लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Latitude</source>
        <translation>कृपया अक्षांश की कलाएँ लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तारीख या महीना चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तारीख या महीना चुनें !</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक ही लिखे जा सकते हैं</translation>
    </message>
    <message>
        <source>Please Enter Correct Longitude</source>
        <translation>कृपया सही देशांतर लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Latitude</source>
        <translation>कृपया सही अक्षांश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Time Zone</source>
        <translation>कृपया सही समय क्षेत्र लिखें</translation>
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
</context>
<context>
    <name>tivora::ProgramMenus</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
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
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें (&amp;O)</translation>
    </message>
</context>
<context>
    <name>tivora::ReadingCommands</name>
    <message>
        <source>Save Your Lagna Details</source>
        <translation>अपने लग्न का विवरण सहेजें</translation>
    </message>
    <message>
        <source>Rich Text Format (*.tvr)</source>
        <translation>रिच टेक्स्ट फ़ॉर्मेट (*.tvr)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Tivora (*.tvr)</source>
        <translation>Tivora फ़ाइल (*.tvr)</translation>
    </message>
</context>
<context>
    <name>tivora::Report</name>
    <message>
        <source>Common: </source>
        <translation>सामान्य: </translation>
    </message>
    <message>
        <source>Vedic Name: </source>
        <translation>वैदिक नाम: </translation>
    </message>
    <message>
        <source>English Name: </source>
        <translation>अंग्रेज़ी नाम: </translation>
    </message>
    <message>
        <source>Rulling Planet / Lord: </source>
        <translation>स्वामी ग्रह / राशि स्वामी: </translation>
    </message>
    <message>
        <source>Symbol: </source>
        <translation>प्रतीक: </translation>
    </message>
    <message>
        <source>Element / Inborn Nature: </source>
        <translation>तत्त्व / जन्मजात स्वभाव: </translation>
    </message>
    <message>
        <source>Sign Color: </source>
        <translation>राशि का रंग: </translation>
    </message>
    <message>
        <source>Sign Characteristics: </source>
        <translation>राशि की विशेषताएँ: </translation>
    </message>
    <message>
        <source>Type Of Sign: </source>
        <translation>राशि का प्रकार: </translation>
    </message>
    <message>
        <source>Gender: </source>
        <translation>लिंग: </translation>
    </message>
    <message>
        <source>Fruitful / Barren: </source>
        <translation>फलदायी / बंजर: </translation>
    </message>
    <message>
        <source>Sign Caste: </source>
        <translation>राशि का वर्ण: </translation>
    </message>
    <message>
        <source>Sign Position: </source>
        <translation>राशि की स्थिति: </translation>
    </message>
    <message>
        <source>Constituent Characters: </source>
        <translation>मूल स्वरूप: </translation>
    </message>
    <message>
        <source>Part of the Body: </source>
        <translation>शरीर का अंग: </translation>
    </message>
    <message>
        <source>Physique And Looks: </source>
        <translation>कद-काठी और रूप-रंग: </translation>
    </message>
    <message>
        <source>Physique: </source>
        <translation>कद-काठी: </translation>
    </message>
    <message>
        <source>Looks: </source>
        <translation>रूप-रंग: </translation>
    </message>
    <message>
        <source>Human Nature: </source>
        <translation>स्वभाव और व्यक्तित्व: </translation>
    </message>
    <message>
        <source>Nature: </source>
        <translation>स्वभाव: </translation>
    </message>
    <message>
        <source>Career And Finance: </source>
        <translation>करियर और धन: </translation>
    </message>
    <message>
        <source>Love And Compatibility: </source>
        <translation>प्रेम और अनुकूलता: </translation>
    </message>
    <message>
        <source>Love And Domestic Life: </source>
        <translation>प्रेम और पारिवारिक जीवन: </translation>
    </message>
    <message>
        <source>Compatible with: </source>
        <translation>अनुकूल राशियाँ: </translation>
    </message>
    <message>
        <source>Not Compatible with: </source>
        <translation>प्रतिकूल राशियाँ: </translation>
    </message>
    <message>
        <source>Health: </source>
        <translation>स्वास्थ्य: </translation>
    </message>
    <message>
        <source>Lucky For....Rashi: </source>
        <translation>इस राशि के लिए शुभ: </translation>
    </message>
    <message>
        <source>Lucky Days: </source>
        <translation>शुभ दिन: </translation>
    </message>
    <message>
        <source>Lucky Numbers: </source>
        <translation>शुभ अंक: </translation>
    </message>
    <message>
        <source>Best Direction: </source>
        <translation>शुभ दिशा: </translation>
    </message>
    <message>
        <source>Lucky Colors: </source>
        <translation>शुभ रंग: </translation>
    </message>
    <message>
        <source>Lucky Gemstone: </source>
        <translation>शुभ रत्न: </translation>
    </message>
    <message>
        <source>Best Period of Activity: </source>
        <translation>सबसे सक्रिय समय: </translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>पृष्ठ %1 / %2</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>यह रिपोर्ट %1 द्वारा तैयार की गई</translation>
    </message>
</context>
<context>
    <name>tivora::ResultFields</name>
    <message>
        <source>Rulling Planet</source>
        <translation>स्वामी ग्रह</translation>
    </message>
    <message>
        <source>This signifies the planet that exercises a powerful energy on the sign.</source>
        <translation>वह ग्रह जो इस राशि पर अपना प्रबल प्रभाव डालता है, यानी राशि का स्वामी।</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>अंग्रेज़ी नाम</translation>
    </message>
    <message>
        <source>This signifies the English name for the Vedic moon sign.</source>
        <translation>वैदिक चंद्र राशि का अंग्रेज़ी नाम।</translation>
    </message>
    <message>
        <source>Inborn Nature</source>
        <translation>जन्मजात स्वभाव</translation>
    </message>
    <message>
        <source>This describes the human characteristics of this sign.</source>
        <translation>इस राशि के जातकों के मूल स्वभाव का वर्णन।</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>प्रतीक</translation>
    </message>
    <message>
        <source>This signifies the picture associated with the moon sign.</source>
        <translation>चंद्र राशि से जुड़ा चिह्न या चित्र।</translation>
    </message>
    <message>
        <source>Sign Color</source>
        <translation>राशि का रंग</translation>
    </message>
    <message>
        <source>This signifies the color associated with the sign.</source>
        <translation>इस राशि से जुड़ा रंग।</translation>
    </message>
    <message>
        <source>Type Of Sign</source>
        <translation>राशि का प्रकार</translation>
    </message>
    <message>
        <source>This signifies the attitude of the people under this sign.</source>
        <translation>इस राशि के जातकों की प्रवृत्ति: चर, स्थिर या द्विस्वभाव।</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>The male rashis are more dynamic in nature while the female rashis are passive by nature.</source>
        <translation>पुरुष राशियाँ स्वभाव से अधिक सक्रिय होती हैं, जबकि स्त्री राशियाँ शांत और ग्रहणशील होती हैं।</translation>
    </message>
    <message>
        <source>Barren / Fruitful</source>
        <translation>बंजर / फलदायी</translation>
    </message>
    <message>
        <source>This classifies the signs on basis of fertility.</source>
        <translation>उर्वरता के आधार पर राशियों का वर्गीकरण।</translation>
    </message>
    <message>
        <source>Sign Caste</source>
        <translation>राशि का वर्ण</translation>
    </message>
    <message>
        <source>This classifies the sign based on caste into Brahmana (the seeker and teacher of knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) and the Sudras (the workers).</source>
        <translation>वर्ण के आधार पर राशि का वर्गीकरण: ब्राह्मण (ज्ञान के साधक और शिक्षक), क्षत्रिय (योद्धा, शासक), वैश्य (उद्यमी, धन के सर्जक) और शूद्र (श्रमिक)।</translation>
    </message>
    <message>
        <source>Sign Position</source>
        <translation>राशि की स्थिति</translation>
    </message>
    <message>
        <source>This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), Garbha (Inside).</source>
        <translation>स्थिति के आधार पर राशि का वर्गीकरण: द्वार (प्रवेश), बाह्य (बाहर), गर्भ (भीतर)।</translation>
    </message>
    <message>
        <source>Constituent Character</source>
        <translation>मूल स्वरूप</translation>
    </message>
    <message>
        <source>This classifies the sign based on constituent making into Dhatu (Mineral), Moola (Vegetable) and Jeeva (Animal). </source>
        <translation>मूल रचना के आधार पर राशि का वर्गीकरण: धातु (खनिज), मूल (वनस्पति) और जीव (प्राणी)। </translation>
    </message>
    <message>
        <source>Part Of The Body</source>
        <translation>शरीर का अंग</translation>
    </message>
    <message>
        <source>This shows the parts of the bodies that the different signs represent.</source>
        <translation>शरीर के वे अंग जिनका प्रतिनिधित्व अलग-अलग राशियाँ करती हैं।</translation>
    </message>
    <message>
        <source>Physique</source>
        <translation>कद-काठी</translation>
    </message>
    <message>
        <source>This signifies the general stature of people born under this sign. </source>
        <translation>इस राशि में जन्मे लोगों की सामान्य कद-काठी। </translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>रूप-रंग</translation>
    </message>
    <message>
        <source>This signifies the physical appearance of people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों का रूप-रंग।</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>स्वभाव</translation>
    </message>
    <message>
        <source>This signifies the human nature of people born under this sign. </source>
        <translation>इस राशि में जन्मे लोगों का स्वभाव। </translation>
    </message>
    <message>
        <source>Career And Finance</source>
        <translation>करियर और धन</translation>
    </message>
    <message>
        <source>This shows their career interests and financial habits.</source>
        <translation>इनकी करियर में रुचियाँ और धन से जुड़ी आदतें।</translation>
    </message>
    <message>
        <source>Love And Domestic Life</source>
        <translation>प्रेम और पारिवारिक जीवन</translation>
    </message>
    <message>
        <source>This signifies born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों का प्रेम और घर-गृहस्थी।</translation>
    </message>
    <message>
        <source>Compatible With</source>
        <translation>अनुकूल राशियाँ</translation>
    </message>
    <message>
        <source>This signifies the other rashis/ moon signs that are compatible with this sign.</source>
        <translation>वे राशियाँ (चंद्र राशियाँ) जिनसे इस राशि का मेल अच्छा बैठता है।</translation>
    </message>
    <message>
        <source>Not Compatible With</source>
        <translation>प्रतिकूल राशियाँ</translation>
    </message>
    <message>
        <source>This signifies the other rashis/ moon signs that are not compatible with this sign.</source>
        <translation>वे राशियाँ (चंद्र राशियाँ) जिनसे इस राशि का मेल नहीं बैठता।</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>स्वास्थ्य</translation>
    </message>
    <message>
        <source>This signifies the health issues of people born under this rashi.</source>
        <translation>इस राशि में जन्मे लोगों की स्वास्थ्य संबंधी समस्याएँ।</translation>
    </message>
    <message>
        <source>Lucky Days</source>
        <translation>शुभ दिन</translation>
    </message>
    <message>
        <source>This signifies the lucky days for people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों के लिए शुभ दिन।</translation>
    </message>
    <message>
        <source>Lucky Numbers</source>
        <translation>शुभ अंक</translation>
    </message>
    <message>
        <source>This signifies the lucky numbers for people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों के लिए शुभ अंक।</translation>
    </message>
    <message>
        <source>Best Direction</source>
        <translation>शुभ दिशा</translation>
    </message>
    <message>
        <source>This signifies the lucky directions for people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों के लिए शुभ दिशाएँ।</translation>
    </message>
    <message>
        <source>Lucky Colors</source>
        <translation>शुभ रंग</translation>
    </message>
    <message>
        <source>This signifies the lucky colors for people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों के लिए शुभ रंग।</translation>
    </message>
    <message>
        <source>Lucky Gemstone</source>
        <translation>शुभ रत्न</translation>
    </message>
    <message>
        <source>This signifies the lucky gemstones for people born under this sign.</source>
        <translation>इस राशि में जन्मे लोगों के लिए शुभ रत्न।</translation>
    </message>
    <message>
        <source>Best Period Of Activity</source>
        <translation>सबसे सक्रिय समय</translation>
    </message>
    <message>
        <source>This shows the best period of the day when people of this sign are more active.</source>
        <translation>दिन का वह समय जब इस राशि के लोग सबसे अधिक सक्रिय रहते हैं।</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>A caption such as &quot;Compatible With&quot; and the sign&apos;s name: &quot;Compatible With for Mesha&quot;.</extracomment>
        <translation>%2 के लिए %1</translation>
    </message>
    <message>
        <source>Sign Characteristics</source>
        <translation>राशि की विशेषताएँ</translation>
    </message>
    <message>
        <source>Physique And Looks</source>
        <translation>कद-काठी और रूप-रंग</translation>
    </message>
    <message>
        <source>Human Nature</source>
        <translation>स्वभाव और व्यक्तित्व</translation>
    </message>
    <message>
        <source>Love And Compatibility</source>
        <translation>प्रेम और अनुकूलता</translation>
    </message>
    <message>
        <source>Lucky for....Rashi</source>
        <translation>इस राशि के लिए शुभ</translation>
    </message>
    <message>
        <source>About Software</source>
        <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
    <message>
        <source>Lucky for %1</source>
        <translation>%1 के लिए शुभ</translation>
    </message>
</context>
<context>
    <name>tivora::SignTexts</name>
    <message>
        <source>Mesha</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Vrishabha</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Mithuna</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Kataka</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Simha</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Kanya</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Thula</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Vrischika</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Dhanus</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Makara</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Kumbha</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Meena</source>
        <translation>मीन</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>एरीज़</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>टॉरस</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>जेमिनी</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कैंसर</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>लियो</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>वर्गो</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>लिब्रा</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>स्कॉर्पियो</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>सैजिटेरियस</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>कैप्रिकॉर्न</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>एक्वेरियस</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>पाइसीज़</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु (बृहस्पति)</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>The Ram</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <source>The Bull</source>
        <translation>बैल</translation>
    </message>
    <message>
        <source>The Twins</source>
        <translation>जुड़वाँ (युगल)</translation>
    </message>
    <message>
        <source>The Crab</source>
        <translation>केकड़ा</translation>
    </message>
    <message>
        <source>The Lion</source>
        <translation>शेर</translation>
    </message>
    <message>
        <source>The Virgin</source>
        <translation>कुमारी कन्या</translation>
    </message>
    <message>
        <source>The Balance</source>
        <translation>तराज़ू</translation>
    </message>
    <message>
        <source>The Scorpion</source>
        <translation>बिच्छू</translation>
    </message>
    <message>
        <source>The Archer</source>
        <translation>धनुर्धर</translation>
    </message>
    <message>
        <source>The Crocodile</source>
        <translation>मगर</translation>
    </message>
    <message>
        <source>The Water Carrier</source>
        <translation>घड़ा लिए पुरुष</translation>
    </message>
    <message>
        <source>The Double Fish</source>
        <translation>मछलियों का जोड़ा</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>अग्नि</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>पृथ्वी</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>वायु</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>जल</translation>
    </message>
    <message>
        <source>Red, Brown, Copper</source>
        <translation>लाल, भूरा, ताँबई</translation>
    </message>
    <message>
        <source>White</source>
        <translation>सफ़ेद</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>हरा</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>गुलाबी</translation>
    </message>
    <message>
        <source>Multicolored</source>
        <translation>बहुरंगी</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>काला</translation>
    </message>
    <message>
        <source>Reddish Brown</source>
        <translation>लालिमा लिए भूरा</translation>
    </message>
    <message>
        <source>Yellowish brown</source>
        <translation>पीलापन लिए भूरा</translation>
    </message>
    <message>
        <source>Deep Brown</source>
        <translation>गहरा भूरा</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>नीला</translation>
    </message>
    <message>
        <source>Movable</source>
        <translation>चर</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>स्थिर</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>द्विस्वभाव</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>रात्रि</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Barren</source>
        <translation>बंजर</translation>
    </message>
    <message>
        <source>Semi-Fruitful</source>
        <translation>अर्ध-फलदायी</translation>
    </message>
    <message>
        <source>Fruitful</source>
        <translation>फलदायी</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <source>Vaisya</source>
        <translation>वैश्य</translation>
    </message>
    <message>
        <source>Sudra</source>
        <translation>शूद्र</translation>
    </message>
    <message>
        <source>Brahmana</source>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <source>Dwara</source>
        <translation>द्वार</translation>
    </message>
    <message>
        <source>Bahya</source>
        <translation>बाह्य</translation>
    </message>
    <message>
        <source>Garbha</source>
        <translation>गर्भ</translation>
    </message>
    <message>
        <source>Mineral (Dhatu)</source>
        <translation>खनिज (धातु)</translation>
    </message>
    <message>
        <source>Vegetable (Moola)</source>
        <translation>वनस्पति (मूल)</translation>
    </message>
    <message>
        <source>Animal (Jeeva)</source>
        <translation>प्राणी (जीव)</translation>
    </message>
    <message>
        <source>Monday, Tuesday</source>
        <translation>सोमवार, मंगलवार</translation>
    </message>
    <message>
        <source>Thursday, Friday</source>
        <translation>गुरुवार, शुक्रवार</translation>
    </message>
    <message>
        <source>Monday, Wednesday</source>
        <translation>सोमवार, बुधवार</translation>
    </message>
    <message>
        <source>Monday, Thursday</source>
        <translation>सोमवार, गुरुवार</translation>
    </message>
    <message>
        <source>Sunday, Monday</source>
        <translation>रविवार, सोमवार</translation>
    </message>
    <message>
        <source>Wednesday, Friday</source>
        <translation>बुधवार, शुक्रवार</translation>
    </message>
    <message>
        <source>Friday, Wednesday, Thursday</source>
        <translation>शुक्रवार, बुधवार, गुरुवार</translation>
    </message>
    <message>
        <source>Monday, Tuesday, Thursday</source>
        <translation>सोमवार, मंगलवार, गुरुवार</translation>
    </message>
    <message>
        <source>Sunday, Thursday</source>
        <translation>रविवार, गुरुवार</translation>
    </message>
    <message>
        <source>Saturday, Wednesday</source>
        <translation>शनिवार, बुधवार</translation>
    </message>
    <message>
        <source>Thursday, Friday, Saturday</source>
        <translation>गुरुवार, शुक्रवार, शनिवार</translation>
    </message>
    <message>
        <source>Thursday, Monday, Tuesday</source>
        <translation>गुरुवार, सोमवार, मंगलवार</translation>
    </message>
    <message>
        <source>9, 1</source>
        <translation>9, 1</translation>
    </message>
    <message>
        <source>2, 8</source>
        <translation>2, 8</translation>
    </message>
    <message>
        <source>3, 7</source>
        <translation>3, 7</translation>
    </message>
    <message>
        <source>2, 7, 9</source>
        <translation>2, 7, 9</translation>
    </message>
    <message>
        <source>1, 4, 5, 9</source>
        <translation>1, 4, 5, 9</translation>
    </message>
    <message>
        <source>2, 3, 5, 6</source>
        <translation>2, 3, 5, 6</translation>
    </message>
    <message>
        <source>1, 2, 4</source>
        <translation>1, 2, 4</translation>
    </message>
    <message>
        <source>3, 7, 9</source>
        <translation>3, 7, 9</translation>
    </message>
    <message>
        <source>3, 5, 6, 8</source>
        <translation>3, 5, 6, 8</translation>
    </message>
    <message>
        <source>6, 8, 9</source>
        <translation>6, 8, 9</translation>
    </message>
    <message>
        <source>2, 3, 7, 9</source>
        <translation>2, 3, 7, 9</translation>
    </message>
    <message>
        <source>1, 3, 4</source>
        <translation>1, 3, 4</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>Pink, Green</source>
        <translation>गुलाबी, हरा</translation>
    </message>
    <message>
        <source>Yellow, Purple, Blue</source>
        <translation>पीला, बैंगनी, नीला</translation>
    </message>
    <message>
        <source>White, Red, Yellow</source>
        <translation>सफ़ेद, लाल, पीला</translation>
    </message>
    <message>
        <source>Orange, Red, Green</source>
        <translation>नारंगी, लाल, हरा</translation>
    </message>
    <message>
        <source>White, Green, Yellow</source>
        <translation>सफ़ेद, हरा, पीला</translation>
    </message>
    <message>
        <source>Brown, Red, Yellow, White</source>
        <translation>भूरा, लाल, पीला, सफ़ेद</translation>
    </message>
    <message>
        <source>Yellow, Gray, Brown</source>
        <translation>पीला, स्लेटी, भूरा</translation>
    </message>
    <message>
        <source>Black, Blue</source>
        <translation>काला, नीला</translation>
    </message>
    <message>
        <source>Blue, Black</source>
        <translation>नीला, काला</translation>
    </message>
    <message>
        <source>Pink, Cream</source>
        <translation>गुलाबी, क्रीम</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>मूँगा</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>हीरा</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>पन्ना</translation>
    </message>
    <message>
        <source>Pearl</source>
        <translation>मोती</translation>
    </message>
    <message>
        <source>Ruby</source>
        <translation>माणिक्य</translation>
    </message>
    <message>
        <source>Yellow Sapphire</source>
        <translation>पुखराज</translation>
    </message>
    <message>
        <source>Blue Sapphire</source>
        <translation>नीलम</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>सिर</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>चेहरा</translation>
    </message>
    <message>
        <source>Shoulders</source>
        <translation>कंधे</translation>
    </message>
    <message>
        <source>Chest</source>
        <translation>छाती</translation>
    </message>
    <message>
        <source>Heart &amp; Stomach</source>
        <translation>हृदय और पेट</translation>
    </message>
    <message>
        <source>Abdomen</source>
        <translation>उदर</translation>
    </message>
    <message>
        <source>Lower Abdomen &amp; Groin</source>
        <translation>निचला उदर और कटि प्रदेश</translation>
    </message>
    <message>
        <source>External Genitalia</source>
        <translation>बाह्य जननांग</translation>
    </message>
    <message>
        <source>Thighs</source>
        <translation>जाँघें</translation>
    </message>
    <message>
        <source>Knees</source>
        <translation>घुटने</translation>
    </message>
    <message>
        <source>Calves</source>
        <translation>पिंडलियाँ</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>पैर</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>छोटा कद</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>मध्यम कद</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>लंबा कद</translation>
    </message>
    <message>
        <source>Leo, Sagittarius, Gemini, Aquarius, Libra</source>
        <translation>सिंह, धनु, मिथुन, कुंभ, तुला</translation>
    </message>
    <message>
        <source>Cancer, Virgo, Scorpio, Capricorn, Pisces</source>
        <translation>कर्क, कन्या, वृश्चिक, मकर, मीन</translation>
    </message>
    <message>
        <source>Aries, Leo, Libra, Sagittarius, Aquarius</source>
        <translation>मेष, सिंह, तुला, धनु, कुंभ</translation>
    </message>
    <message>
        <source>Virgo, Scorpio, Capricorn, Pisces, Taurus</source>
        <translation>कन्या, वृश्चिक, मकर, मीन, वृषभ</translation>
    </message>
    <message>
        <source>Libra, Sagittarius, Aquarius, Aries, Gemini</source>
        <translation>तुला, धनु, कुंभ, मेष, मिथुन</translation>
    </message>
    <message>
        <source>Scorpio, Capricorn, Pisces, Cancer</source>
        <translation>वृश्चिक, मकर, मीन, कर्क</translation>
    </message>
    <message>
        <source>Sagittarius, Aquarius, Aries, Gemini, Leo</source>
        <translation>धनु, कुंभ, मेष, मिथुन, सिंह</translation>
    </message>
    <message>
        <source>Capricorn, Pisces, Taurus, Cancer, Virgo</source>
        <translation>मकर, मीन, वृषभ, कर्क, कन्या</translation>
    </message>
    <message>
        <source>Aquarius, Aries, Gemini, Leo, Libra</source>
        <translation>कुंभ, मेष, मिथुन, सिंह, तुला</translation>
    </message>
    <message>
        <source>Pisces, Taurus, Cancer, Virgo, Scorpio</source>
        <translation>मीन, वृषभ, कर्क, कन्या, वृश्चिक</translation>
    </message>
    <message>
        <source>Aquarius, Libra, Gemini</source>
        <translation>कुंभ, तुला, मिथुन</translation>
    </message>
    <message>
        <source>Taurus, Cancer, Virgo, Scorpio, Capricorn</source>
        <translation>वृषभ, कर्क, कन्या, वृश्चिक, मकर</translation>
    </message>
    <message>
        <source>Scorpio, Pisces, Cancer</source>
        <translation>वृश्चिक, मीन, कर्क</translation>
    </message>
    <message>
        <source>Gemini, Aquarius, Libra</source>
        <translation>मिथुन, कुंभ, तुला</translation>
    </message>
    <message>
        <source>Taurus, Virgo, Capricorn</source>
        <translation>वृषभ, कन्या, मकर</translation>
    </message>
    <message>
        <source>Aries, Leo, Sagittarius</source>
        <translation>मेष, सिंह, धनु</translation>
    </message>
    <message>
        <source>You have a lean, muscular frame, rather short, and a quick, springy walk. Your complexion is ruddy and your eyebrows are strong. Your face is angular and your eyes bright and direct.</source>
        <translation>आपका शरीर दुबला-पतला पर गठीला होता है, कद कुछ छोटा और चाल तेज़ व फुर्तीली। आपके रंग में लालिमा होती है और भौंहें घनी। आपका चेहरा कोणदार होता है और आँखें चमकीली, सीधी नज़र वाली।</translation>
    </message>
    <message>
        <source>You have a compact, well-knit build with a strong neck and broad shoulders. Your face is pleasant, with full lips and large, gentle eyes. Your complexion is usually clear and fair.</source>
        <translation>आपकी देह सुगठित और भरी हुई होती है, गर्दन मज़बूत और कंधे चौड़े। आपका चेहरा सुहावना होता है, होंठ भरे हुए और आँखें बड़ी व कोमल। आपका रंग प्रायः साफ़ और गोरा होता है।</translation>
    </message>
    <message>
        <source>You are usually slim and of middle height, with long arms and quick, expressive hands. Your eyes are lively and alert, your complexion clear and your look youthful for many years.</source>
        <translation>आप प्रायः छरहरे और मध्यम कद के होते हैं, भुजाएँ लंबी और हाथ फुर्तीले व भावपूर्ण। आपकी आँखें चंचल और सजग होती हैं, रंग साफ़ होता है और आप बरसों तक युवा दिखते हैं।</translation>
    </message>
    <message>
        <source>You often have a round face with soft features and a pale or fair complexion. Your build is medium and may grow fuller with age. Your eyes are gentle and change with your mood.</source>
        <translation>आपका चेहरा अक्सर गोल होता है, नैन-नक्श कोमल और रंग हल्का या गोरा। आपकी कद-काठी मध्यम होती है, जो उम्र के साथ कुछ भर सकती है। आपकी आँखें कोमल होती हैं और मन की दशा के साथ बदलती रहती हैं।</translation>
    </message>
    <message>
        <source>You are tall and well built, with broad shoulders and a proud, upright bearing. Your hair is often thick, your complexion warm and your eyes bright and steady. People notice when you enter.</source>
        <translation>आप लंबे और सुगठित होते हैं, कंधे चौड़े और चाल-ढाल गर्वीली व तनी हुई। आपके बाल प्रायः घने होते हैं, रंग में गरमाहट होती है और आँखें चमकीली व स्थिर। आप जहाँ पहुँचते हैं, लोगों का ध्यान आप पर जाता है।</translation>
    </message>
    <message>
        <source>You have a slim, neat figure and usually stand fairly tall. Your features are delicate, your skin fine and your eyes clear and observant. You often look younger than your years.</source>
        <translation>आपकी काया छरहरी और सुघड़ होती है और कद प्रायः अच्छा-खासा लंबा। आपके नैन-नक्श नाज़ुक होते हैं, त्वचा कोमल और आँखें साफ़ व पैनी नज़र वाली। आप अक्सर अपनी उम्र से छोटे दिखते हैं।</translation>
    </message>
    <message>
        <source>You are usually tall and gracefully built, with a well-balanced figure. Your complexion is fair and your face symmetrical and pleasing, often lit by a charming smile.</source>
        <translation>आप प्रायः लंबे और सुडौल होते हैं, शरीर संतुलित और सुंदर। आपका रंग गोरा होता है और चेहरा सुडौल व आकर्षक, जिस पर अक्सर एक मोहक मुस्कान रहती है।</translation>
    </message>
    <message>
        <source>You have a strong, well-built body, often tall, and an intense, magnetic presence. Your eyes are deep and penetrating under thick brows, and your complexion is dusky.</source>
        <translation>आपका शरीर मज़बूत और गठीला होता है, कद अक्सर लंबा, और आपकी उपस्थिति में एक गहरा, चुंबकीय आकर्षण होता है। घनी भौंहों के नीचे आपकी आँखें गहरी और भेदने वाली होती हैं, और रंग साँवला।</translation>
    </message>
    <message>
        <source>You are well built and athletic, with strong thighs and a long, open face. Your forehead is high, your complexion fresh, your eyes bright and friendly, and your expression cheerful.</source>
        <translation>आपका शरीर सुगठित और खिलाड़ियों जैसा होता है, जाँघें मज़बूत और चेहरा लंबा व खुला। आपका माथा ऊँचा होता है, रंग में ताज़गी, आँखें चमकीली व मैत्रीपूर्ण और चेहरे पर प्रसन्नता रहती है।</translation>
    </message>
    <message>
        <source>You have a lean, bony frame and a serious, composed expression. Your nose and chin are often prominent and your complexion darker. You may look older in youth but younger with age.</source>
        <translation>आपका शरीर दुबला और हड्डीदार होता है और चेहरे पर गंभीरता व ठहराव रहता है। आपकी नाक और ठोड़ी अक्सर उभरी हुई होती हैं और रंग कुछ साँवला। युवावस्था में आप उम्र से बड़े लग सकते हैं, पर उम्र बढ़ने के साथ छोटे दिखने लगते हैं।</translation>
    </message>
    <message>
        <source>You are of medium or short height with a well-formed body. Your forehead is broad, your complexion fair and your eyes have a distant, thoughtful look.</source>
        <translation>आप मध्यम या छोटे कद के होते हैं और शरीर सुडौल होता है। आपका माथा चौड़ा होता है, रंग गोरा और आँखों में दूर तक देखती, विचारशील झलक रहती है।</translation>
    </message>
    <message>
        <source>You are usually short, with a soft, rounded body and small hands and feet. Your eyes are large, dreamy and gentle, and your complexion is pale.</source>
        <translation>आप प्रायः छोटे कद के होते हैं, शरीर कोमल और गोल-मटोल, हाथ-पैर छोटे। आपकी आँखें बड़ी, स्वप्निल और कोमल होती हैं, और रंग हल्का होता है।</translation>
    </message>
    <message>
        <source>Mars gives you a fighter&apos;s spirit and a hunger to be first. You act the moment an idea strikes and sort out the details later. Courage comes naturally, and you defend the weak without being asked. You speak plainly and expect the same from others. Waiting is hard for you, and slow people test your temper. Your anger flares fast but soon burns out. You rarely hold a grudge. You often do your best work under pressure. Starting things excites you far more than finishing them. Competition fires you up, yet losing gracefully is a lesson you must learn. You are honest, enthusiastic and generous with your time. Rashness is your chief weakness, and a pause before acting would spare you many regrets. Learn to listen as well as lead, and your natural command will win lasting loyalty.</source>
        <translation>मंगल आपको योद्धा का जज़्बा और सबसे आगे रहने की ललक देता है। कोई विचार आते ही आप काम में जुट जाते हैं और बारीकियाँ बाद में सुलझाते हैं। साहस आपमें स्वाभाविक है, और आप बिना कहे कमज़ोर का पक्ष लेते हैं। आप साफ़ बात कहते हैं और दूसरों से भी यही अपेक्षा रखते हैं। प्रतीक्षा करना आपके लिए कठिन है, और धीमे लोग आपके धैर्य की परीक्षा लेते हैं। आपका क्रोध तेज़ी से भड़कता है, पर जल्दी शांत भी हो जाता है। आप शायद ही कभी मन में बैर रखते हैं। दबाव में आप अक्सर अपना सबसे अच्छा काम करते हैं। किसी काम को शुरू करना आपको उसे पूरा करने से कहीं अधिक उत्साहित करता है। प्रतिस्पर्धा आपमें जोश भर देती है, फिर भी हार को शालीनता से स्वीकारना आपको सीखना होगा। आप ईमानदार और उत्साही हैं, और अपना समय देने में उदार। उतावलापन आपकी सबसे बड़ी कमज़ोरी है, और कुछ करने से पहले थोड़ा रुक जाना आपको कई पछतावों से बचाएगा। नेतृत्व के साथ-साथ सुनना भी सीखिए, तब आपकी स्वाभाविक नेतृत्व क्षमता लोगों की स्थायी निष्ठा जीत लेगी।</translation>
    </message>
    <message>
        <source>Patience is your quiet strength, and you seldom rush anything that matters. Venus gives you a love of beauty, comfort and good food. You like to know where you stand, and sudden changes unsettle you. Once you give your word, you keep it. Friends rely on you because you are steady, calm and practical. You build slowly, but what you build tends to last. Your taste in music, art and clothes is refined. You can also be very stubborn, and no amount of pushing will move you once your mind is made up. Slow to anger, you are hard to calm once your temper finally breaks. Possessiveness about people and things is a trap to watch. Too much ease can make you lazy or indulgent. Welcome new ideas, and your solid nature will bring you both security and contentment.</source>
        <translation>धैर्य आपकी शांत शक्ति है, और जो बात महत्वपूर्ण हो उसमें आप शायद ही कभी जल्दबाज़ी करते हैं। शुक्र आपको सौंदर्य, सुख-सुविधा और अच्छे भोजन से प्रेम देता है। आप जानना चाहते हैं कि आप कहाँ खड़े हैं, और अचानक होने वाले बदलाव आपको विचलित कर देते हैं। एक बार वचन दे दिया तो आप उसे निभाते हैं। मित्र आप पर भरोसा करते हैं, क्योंकि आप स्थिर, शांत और व्यावहारिक हैं। आप धीरे-धीरे निर्माण करते हैं, पर जो बनाते हैं वह टिकता है। संगीत, कला और पहनावे में आपकी रुचि परिष्कृत है। आप बहुत हठी भी हो सकते हैं, और एक बार मन बना लेने पर कोई कितना भी ज़ोर लगाए, आप टस से मस नहीं होते। आपको गुस्सा देर से आता है, पर जब आता है तो आपको शांत करना कठिन होता है। लोगों और चीज़ों पर अधिकार जमाने की प्रवृत्ति से सावधान रहें। बहुत अधिक आराम आपको आलसी या भोग-विलासी बना सकता है। नए विचारों का स्वागत करें, तो आपका दृढ़ स्वभाव आपको सुरक्षा और संतोष दोनों देगा।</translation>
    </message>
    <message>
        <source>Your mind never sits still. Mercury makes you curious about everything, and you learn new subjects with remarkable speed. You are witty, talkative and at ease in almost any company. Words are your tools, on paper and in conversation. You can see both sides of a question, which makes you flexible in debate. Routine bores you, and you are happiest with several things on the go. Restlessness is your weakness. Your attention drifts before a task is done. People sometimes find you changeable or hard to pin down. Nervous tension builds up when you take on too much. You may know a little about many things rather than a great deal about one. Your humor and your gift for ideas make you good company. Choose a few goals and stay with them, and your many talents will bear real fruit.</source>
        <translation>आपका मन कभी स्थिर नहीं बैठता। बुध आपको हर बात के प्रति जिज्ञासु बनाता है, और आप नए विषय अद्भुत तेज़ी से सीख लेते हैं। आप हाज़िरजवाब और बातूनी हैं और लगभग हर तरह की संगत में सहज रहते हैं। शब्द आपके औज़ार हैं, चाहे कागज़ पर हों या बातचीत में। आप किसी प्रश्न के दोनों पक्ष देख लेते हैं, जिससे बहस में आप लचीले रहते हैं। एक-सी दिनचर्या आपको उबा देती है, और कई काम एक साथ चल रहे हों तो आप सबसे प्रसन्न रहते हैं। बेचैनी आपकी कमज़ोरी है। काम पूरा होने से पहले ही आपका ध्यान भटक जाता है। लोग कभी-कभी आपको परिवर्तनशील या पकड़ में न आने वाला पाते हैं। जब आप बहुत अधिक काम ओढ़ लेते हैं तो आपका स्नायु तनाव बढ़ जाता है। हो सकता है आप किसी एक विषय में गहरी पैठ के बजाय कई विषयों की थोड़ी-थोड़ी जानकारी रखें। आपका विनोदी स्वभाव और विचारों की प्रतिभा आपको अच्छा साथी बनाते हैं। कुछ लक्ष्य चुनिए और उन पर टिके रहिए, तो आपकी अनेक प्रतिभाएँ सच्चा फल देंगी।</translation>
    </message>
    <message>
        <source>Ruled by the Moon, you feel everything deeply, and your moods rise and fall like the tides. Home and family are the center of your world. You care for others by instinct and remember every kindness shown to you. You treasure the past, old photographs and family stories. Beneath a shy surface lies great tenacity. Like the crab, you hold on to what you love and do not easily let go. Your intuition about people is usually right. You are hurt easily, though you may hide it behind a hard shell. When upset, you tend to withdraw and sulk rather than speak out. Worry about security can make you cautious or clinging. You are thrifty and like to keep something in reserve. Trust your feelings, but do not let old hurts rule your present, and your warmth will draw loyal friends to you.</source>
        <translation>चंद्रमा की राशि होने से आप हर बात को गहराई से महसूस करते हैं, और आपका मन ज्वार-भाटे की तरह चढ़ता-उतरता रहता है। घर और परिवार आपकी दुनिया का केंद्र हैं। दूसरों की देखभाल आप सहज भाव से करते हैं और अपने प्रति की गई हर भलाई याद रखते हैं। आप बीते समय, पुरानी तस्वीरों और परिवार के किस्सों को सहेजकर रखते हैं। संकोची ऊपरी स्वभाव के नीचे बड़ी दृढ़ता छिपी है। केकड़े की तरह आप जिसे प्रेम करते हैं उसे थामे रहते हैं और आसानी से नहीं छोड़ते। लोगों के बारे में आपका अंतर्ज्ञान प्रायः सही निकलता है। आपको ठेस जल्दी लगती है, भले ही आप उसे कठोर आवरण के पीछे छिपा लें। परेशान होने पर आप खुलकर कहने के बजाय अलग-थलग होकर रूठ जाते हैं। सुरक्षा की चिंता आपको ज़रूरत से ज़्यादा सतर्क या दूसरों पर आश्रित बना सकती है। आप मितव्ययी हैं और कुछ बचाकर रखना पसंद करते हैं। अपनी भावनाओं पर भरोसा करें, पर पुराने घावों को अपने वर्तमान पर हावी न होने दें, तो आपकी आत्मीयता आपके पास सच्चे मित्र खींच लाएगी।</translation>
    </message>
    <message>
        <source>Like the lion of your sign, you carry yourself with natural dignity. The Sun gives you warmth, confidence and a strong wish to shine. You are generous with praise, money and time, and you expect loyalty in return. Leadership suits you. Others look to you in a crisis. You have a strong sense of honor and will not stoop to petty tricks. Your flair for drama makes life around you colorful. Being ignored hurts you more than being criticized. Pride is your greatest weakness, since it makes admitting a mistake very difficult. You may turn bossy when people do not follow your lead. Flattery can sway you more than it should. Still, your heart is big and your loyalty to friends is unshakeable. Share the spotlight and lead by example, and your authority will be respected everywhere.</source>
        <translation>अपनी राशि के सिंह की तरह आप स्वाभाविक गरिमा के साथ जीते हैं। सूर्य आपको गर्मजोशी, आत्मविश्वास और चमकने की प्रबल इच्छा देता है। आप प्रशंसा, धन और समय देने में उदार हैं, और बदले में निष्ठा की अपेक्षा रखते हैं। नेतृत्व आपको शोभा देता है। संकट के समय लोग आपकी ओर देखते हैं। आपमें मान-सम्मान की गहरी भावना है और आप ओछी चालों पर नहीं उतरते। नाटकीयता के प्रति आपका झुकाव आपके आसपास के जीवन को रंगीन बना देता है। अनदेखा किया जाना आपको आलोचना से भी अधिक चुभता है। अहंकार आपकी सबसे बड़ी कमज़ोरी है, क्योंकि इसके कारण अपनी गलती मानना बहुत कठिन हो जाता है। जब लोग आपकी बात नहीं मानते तो आप हुक्म चलाने लगते हैं। चापलूसी आप पर जितना असर करना चाहिए, उससे अधिक कर सकती है। फिर भी आपका दिल बड़ा है और मित्रों के प्रति आपकी निष्ठा अटल है। वाहवाही दूसरों के साथ बाँटिए और उदाहरण बनकर नेतृत्व कीजिए, तो हर जगह आपके अधिकार का सम्मान होगा।</translation>
    </message>
    <message>
        <source>You notice what others miss. Mercury gives you a sharp, analytical mind that loves order and accuracy. You plan carefully and finish what you start. Modesty is part of your charm, and you rarely boast. Being useful gives you real satisfaction, and you are quick to help a friend with practical advice. You are tidy and careful about your health and diet. Your eye for detail makes you an excellent judge of quality. The same eye can turn critical, both of others and of yourself. You may worry over small matters that do not deserve it. Perfectionism can keep you from enjoying work that is already good enough. You are reserved with strangers and slow to show your feelings. Relax your standards now and then, and your dependable, thoughtful nature will earn you deep trust.</source>
        <translation>जो दूसरों से छूट जाता है, वह आप देख लेते हैं। बुध आपको पैनी, विश्लेषण करने वाली बुद्धि देता है जो व्यवस्था और सटीकता को पसंद करती है। आप सोच-समझकर योजना बनाते हैं और जो शुरू करते हैं उसे पूरा करते हैं। विनम्रता आपके आकर्षण का हिस्सा है, और आप शायद ही कभी शेखी बघारते हैं। उपयोगी होना आपको सच्चा संतोष देता है, और व्यावहारिक सलाह देकर मित्र की मदद करने को आप तुरंत तैयार रहते हैं। आप साफ़-सुथरे रहते हैं और अपने स्वास्थ्य व खान-पान का ध्यान रखते हैं। बारीकियों पर आपकी नज़र आपको गुणवत्ता का उत्तम पारखी बनाती है। यही नज़र आलोचक भी बन सकती है, दूसरों की भी और स्वयं की भी। आप ऐसी छोटी बातों पर चिंता कर सकते हैं जो इसके योग्य नहीं। पूर्णता की चाह आपको उस काम का आनंद लेने से रोक सकती है जो पहले ही काफ़ी अच्छा है। अजनबियों के साथ आप संकोची रहते हैं और अपनी भावनाएँ देर से प्रकट करते हैं। कभी-कभी अपने मानदंड थोड़े ढीले कीजिए, तो आपका भरोसेमंद और विचारशील स्वभाव आपको लोगों का गहरा विश्वास दिलाएगा।</translation>
    </message>
    <message>
        <source>Harmony matters to you more than almost anything else. Venus gives you charm, good manners and a fine sense of beauty. Like the scales of your sign, you weigh every choice with care. Fairness is a deep principle with you. Injustice stirs you to act. You are sociable and skilled at making others feel at ease. People come to you to settle quarrels because you listen well and stay calm. You dislike rough words, loud scenes and ugly surroundings. Making a decision can take you a long time. To keep the peace you sometimes agree to things you do not really want. Your happiness often depends too much on the approval of others. Still, your tact and sense of justice make you a natural diplomat. Trust your own judgment more, and you will find balance within yourself as well as around you.</source>
        <translation>आपके लिए सामंजस्य लगभग हर चीज़ से बढ़कर है। शुक्र आपको आकर्षण, शिष्टाचार और सौंदर्य की सूक्ष्म समझ देता है। अपनी राशि के तराज़ू की तरह आप हर निर्णय को ध्यान से तौलते हैं। न्याय आपके लिए एक गहरा सिद्धांत है। अन्याय देखकर आप कुछ करने को प्रेरित हो उठते हैं। आप मिलनसार हैं और दूसरों को सहज महसूस कराने में कुशल हैं। लोग झगड़े सुलझाने आपके पास आते हैं, क्योंकि आप ध्यान से सुनते हैं और शांत रहते हैं। कठोर शब्द, शोर-शराबा और भद्दा परिवेश आपको नापसंद हैं। निर्णय लेने में आपको काफ़ी समय लग सकता है। शांति बनाए रखने के लिए आप कभी-कभी ऐसी बातों पर भी हामी भर देते हैं जो आप सचमुच नहीं चाहते। आपकी प्रसन्नता अक्सर दूसरों की स्वीकृति पर बहुत अधिक निर्भर रहती है। फिर भी आपकी व्यवहार-कुशलता और न्याय-बोध आपको स्वाभाविक राजनयिक बनाते हैं। अपने निर्णय पर अधिक भरोसा कीजिए, तो आप अपने आसपास ही नहीं, अपने भीतर भी संतुलन पा लेंगे।</translation>
    </message>
    <message>
        <source>Still waters run deep, and few people ever see all of you. Mars gives you iron willpower and the stamina to see a hard task through. Your feelings are intense, though you keep them well hidden. You read people quickly and can sense a lie before it is spoken. Secrets are safe with you, and you guard your own privacy closely. When you commit to a person or a cause, your loyalty is total. Setbacks do not break you, and you often rise stronger after a crisis. Mysteries draw you in. Your weaknesses are jealousy, suspicion and a long memory for wrongs. Once hurt, you find it very hard to forgive. Your sharp tongue can sting when you are provoked. Use your inner strength to heal rather than to punish, and you can transform your own life and the lives of others.</source>
        <translation>शांत जल गहरा होता है, और बहुत कम लोग आपको पूरी तरह देख पाते हैं। मंगल आपको लौह इच्छाशक्ति और कठिन काम को अंत तक निभाने की सहनशक्ति देता है। आपकी भावनाएँ तीव्र होती हैं, हालाँकि आप उन्हें अच्छी तरह छिपाकर रखते हैं। आप लोगों को जल्दी परख लेते हैं और झूठ बोले जाने से पहले ही उसे भाँप लेते हैं। रहस्य आपके पास सुरक्षित रहते हैं, और आप अपनी निजता की भी कड़ाई से रक्षा करते हैं। जब आप किसी व्यक्ति या उद्देश्य से जुड़ते हैं, तो आपकी निष्ठा संपूर्ण होती है। असफलताएँ आपको तोड़ नहीं पातीं, और संकट के बाद आप अक्सर और मज़बूत होकर उठते हैं। रहस्यमय बातें आपको अपनी ओर खींचती हैं। ईर्ष्या, संदेह और अपने साथ हुए अन्याय को देर तक याद रखना आपकी कमज़ोरियाँ हैं। एक बार ठेस लगने पर आपके लिए क्षमा करना बहुत कठिन होता है। उकसाए जाने पर आपकी तीखी ज़ुबान चुभ सकती है। अपनी आंतरिक शक्ति का उपयोग दंड देने के बजाय घाव भरने में कीजिए, तो आप अपना और दूसरों का जीवन बदल सकते हैं।</translation>
    </message>
    <message>
        <source>An archer aims far, and so do you. Jupiter blesses you with optimism and faith that tomorrow will be better. You love freedom, travel and new horizons, both on the map and in the mind. Philosophy, religion and big questions fascinate you. You are honest to a fault and say exactly what you think. Your generosity is genuine, and you are quick to forgive. Good humor carries you through difficult times. You believe in fair play and dislike hypocrisy. Restlessness is your weakness, and you may promise more than you can deliver. Careless with details, you sometimes leap before you look. Your frankness can hurt friends without your meaning it. You can also preach when a listening ear would help more. Keep your aims high but your plans practical, and luck will often walk beside you.</source>
        <translation>धनुर्धर दूर का निशाना साधता है, और आप भी। गुरु आपको आशावाद और इस विश्वास का वरदान देता है कि आने वाला कल बेहतर होगा। आपको स्वतंत्रता, यात्रा और नए क्षितिज प्रिय हैं, चाहे वे नक्शे पर हों या मन में। दर्शन, धर्म और जीवन के बड़े प्रश्न आपको मोहित करते हैं। आप हद से ज़्यादा ईमानदार हैं और जो सोचते हैं वही साफ़ कह देते हैं। आपकी उदारता सच्ची है, और आप जल्दी क्षमा कर देते हैं। कठिन समय में आपका विनोदी स्वभाव आपको पार लगा देता है। आप निष्पक्ष व्यवहार में विश्वास रखते हैं और पाखंड को नापसंद करते हैं। बेचैनी आपकी कमज़ोरी है, और आप जितना निभा सकें उससे अधिक वादा कर बैठते हैं। बारीकियों के प्रति लापरवाह होने से आप कभी-कभी बिना सोचे छलाँग लगा देते हैं। आपकी स्पष्टवादिता अनजाने में मित्रों को आहत कर सकती है। जहाँ ध्यान से सुनना अधिक काम आता, वहाँ आप उपदेश देने लगते हैं। अपने लक्ष्य ऊँचे पर योजनाएँ व्यावहारिक रखिए, तो भाग्य अक्सर आपका साथ देगा।</translation>
    </message>
    <message>
        <source>Saturn teaches you early that success must be earned. You set long-term goals and climb toward them one careful step at a time. Discipline, patience and a strong sense of duty are your great strengths. You prefer proven methods to untested ideas. Responsibility comes naturally. People trust you with serious affairs. You respect tradition, elders and established authority. Your humor is dry and often surprises those who think you are stern. You are reserved and rarely show your feelings in public. Pessimism can settle on you when results come slowly. At times you may seem cold, rigid or too concerned with status. You can work so hard that you forget to rest and enjoy life. Let yourself relax and trust others a little more, and your steady climb will bring lasting respect.</source>
        <translation>शनि आपको जल्दी ही सिखा देता है कि सफलता कमानी पड़ती है। आप लंबे समय के लक्ष्य तय करते हैं और एक-एक सधे कदम से उनकी ओर चढ़ते हैं। अनुशासन, धैर्य और कर्तव्य की प्रबल भावना आपकी बड़ी शक्तियाँ हैं। आप बिना परखे विचारों के बजाय आज़माए हुए तरीके पसंद करते हैं। ज़िम्मेदारी आप सहज ही निभाते हैं। लोग गंभीर मामलों में आप पर भरोसा करते हैं। आप परंपरा, बड़ों और स्थापित सत्ता का सम्मान करते हैं। आपका हास्य रूखा-सा होता है और अक्सर उन्हें चौंका देता है जो आपको कठोर समझते हैं। आप संकोची हैं और सबके सामने अपनी भावनाएँ शायद ही दिखाते हैं। परिणाम धीरे आएँ तो आप पर निराशा छा सकती है। कभी-कभी आप रूखे, अड़ियल या प्रतिष्ठा को लेकर बहुत चिंतित लग सकते हैं। आप इतना परिश्रम कर सकते हैं कि आराम करना और जीवन का आनंद लेना भूल जाएँ। स्वयं को थोड़ी ढील दीजिए और दूसरों पर थोड़ा अधिक भरोसा कीजिए, तो आपकी स्थिर चढ़ाई आपको स्थायी सम्मान दिलाएगी।</translation>
    </message>
    <message>
        <source>You think for yourself and rarely follow the crowd. Saturn lends you patience, while your airy sign gives you original ideas. You care about humanity as a whole and want to make the world fairer. Friendship means a great deal to you. You get along with people from every walk of life. You are inventive and drawn to science and new technology. Rules that make no sense to you are rules you will question. At the same time you are loyal to the principles you hold. You can seem cool or detached, even to those closest to you. Once you form an opinion, you defend it stubbornly. Your need for independence may make you resist advice. Sometimes you care more for causes than for the person in front of you. Warm your ideals with personal kindness, and your vision can help many people.</source>
        <translation>आप अपने लिए स्वयं सोचते हैं और शायद ही कभी भीड़ के पीछे चलते हैं। शनि आपको धैर्य देता है, जबकि आपकी वायु तत्त्व की राशि आपको मौलिक विचार देती है। आपको पूरी मानवता की चिंता है और आप दुनिया को अधिक न्यायपूर्ण बनाना चाहते हैं। मित्रता आपके लिए बहुत मायने रखती है। आप हर वर्ग के लोगों से मिल-जुलकर रहते हैं। आप आविष्कारशील हैं और विज्ञान व नई तकनीक की ओर आकर्षित होते हैं। जो नियम आपको निरर्थक लगते हैं, उन पर आप प्रश्न उठाते हैं। साथ ही आप अपने सिद्धांतों के प्रति निष्ठावान रहते हैं। आप अपने सबसे करीबी लोगों को भी रूखे या उदासीन लग सकते हैं। एक बार कोई राय बना लेने पर आप हठपूर्वक उसका बचाव करते हैं। स्वतंत्रता की चाह के कारण आप सलाह को ठुकरा सकते हैं। कभी-कभी आप सामने खड़े व्यक्ति से अधिक किसी उद्देश्य की परवाह करते हैं। अपने आदर्शों में व्यक्तिगत स्नेह की गरमाहट घोलिए, तो आपकी दूरदृष्टि बहुत से लोगों के काम आ सकती है।</translation>
    </message>
    <message>
        <source>Your heart is as wide as the ocean your fish swim in. Jupiter makes you kind, spiritual and generous to anyone in need. You feel the joys and sorrows of others as if they were your own. Your intuition is strong, and you often sense things before they happen. Music, poetry and art move you deeply. You are gentle, patient and slow to judge. Forgiveness comes easily to you, sometimes too easily. You dislike harsh realities and may retreat into daydreams when life grows hard. Others can take advantage of your good nature. Self-doubt may keep you from pursuing what you truly deserve. Schedules and bills can slip through your fingers. Give your dreams a firm plan and your kindness a few limits, and your compassion will become a real strength.</source>
        <translation>आपका हृदय उस सागर जितना विशाल है जिसमें आपकी राशि की मछलियाँ तैरती हैं। गुरु आपको दयालु, आध्यात्मिक और हर ज़रूरतमंद के प्रति उदार बनाता है। आप दूसरों के सुख-दुख को ऐसे महसूस करते हैं मानो वे आपके अपने हों। आपका अंतर्ज्ञान प्रबल है, और आप अक्सर बातों को घटने से पहले ही भाँप लेते हैं। संगीत, कविता और कला आपको गहराई से छू जाते हैं। आप सौम्य और धैर्यवान हैं, और किसी के बारे में राय बनाने में जल्दी नहीं करते। क्षमा करना आपके लिए सहज है, कभी-कभी कुछ ज़्यादा ही सहज। कठोर सच्चाइयाँ आपको नहीं भातीं, और जीवन कठिन होने पर आप दिवास्वप्नों में खो सकते हैं। दूसरे लोग आपके भले स्वभाव का लाभ उठा सकते हैं। आत्म-संदेह आपको वह पाने से रोक सकता है जिसके आप सचमुच हकदार हैं। समय-सारिणी और बिल आपकी उँगलियों से फिसल सकते हैं। अपने सपनों को ठोस योजना और अपनी दयालुता को कुछ सीमाएँ दीजिए, तो आपकी करुणा एक सच्ची शक्ति बन जाएगी।</translation>
    </message>
    <message>
        <source>You do well where courage and quick decisions count. The army, the police, surgery, engineering, sports or a business of your own suit you. Money comes through effort but leaves fast on impulse buys, so a fixed saving habit serves you well.</source>
        <translation>जहाँ साहस और तुरंत निर्णय मायने रखते हैं, वहाँ आप अच्छा करते हैं। सेना, पुलिस, शल्य चिकित्सा, इंजीनियरिंग, खेल या अपना स्वयं का व्यवसाय आपके लिए उपयुक्त है। धन परिश्रम से आता है, पर आवेग में की गई खरीदारी में जल्दी निकल जाता है, इसलिए नियमित बचत की आदत आपके बहुत काम आएगी।</translation>
    </message>
    <message>
        <source>You suit careers that handle money, land or beautiful things: banking, real estate, farming, music, fashion, jewelry and fine food. You earn steadily, save with care and like to put money into property.</source>
        <translation>आपके लिए ऐसे व्यवसाय उपयुक्त हैं जिनमें धन, भूमि या सुंदर वस्तुओं से काम पड़ता हो: बैंकिंग, अचल संपत्ति, खेती, संगीत, फ़ैशन, आभूषण और उत्तम भोजन। आप स्थिरता से कमाते हैं, सोच-समझकर बचत करते हैं और संपत्ति में धन लगाना पसंद करते हैं।</translation>
    </message>
    <message>
        <source>You shine in work that uses words and contacts: journalism, writing, teaching, sales, advertising, media, trade and travel. Your income may flow from more than one source, but it can be irregular, so keep clear accounts.</source>
        <translation>आप ऐसे काम में चमकते हैं जिसमें शब्दों और संपर्कों का उपयोग हो: पत्रकारिता, लेखन, अध्यापन, बिक्री, विज्ञापन, मीडिया, व्यापार और यात्रा। आपकी आय एक से अधिक स्रोतों से आ सकती है, पर वह अनियमित हो सकती है, इसलिए हिसाब-किताब साफ़ रखें।</translation>
    </message>
    <message>
        <source>You do well in caring and home-centered work such as nursing, catering, hotels, child care, teaching and real estate, and in trades connected with water. With money you are careful. You feel safest with savings put aside.</source>
        <translation>आप देखभाल और घर से जुड़े कामों में अच्छा करते हैं, जैसे नर्सिंग, खान-पान सेवा, होटल, बच्चों की देखभाल, अध्यापन और अचल संपत्ति, और जल से जुड़े व्यापार में भी। धन के मामले में आप सावधान रहते हैं। कुछ बचत अलग रखी हो तो आप सबसे सुरक्षित महसूस करते हैं।</translation>
    </message>
    <message>
        <source>You are suited to positions of authority in government, administration, politics and management, and to the stage and creative work. You earn well but spend freely on fine things. Set aside a reserve for leaner times.</source>
        <translation>आप सरकार, प्रशासन, राजनीति और प्रबंधन में अधिकार वाले पदों के लिए, और रंगमंच व सृजनात्मक कार्यों के लिए उपयुक्त हैं। आप अच्छा कमाते हैं, पर बढ़िया चीज़ों पर खुलकर खर्च करते हैं। कठिन समय के लिए कुछ धन बचाकर रखें।</translation>
    </message>
    <message>
        <source>You excel in careful, detailed work: accounting, editing, research, medicine, pharmacy, nutrition, statistics and office administration. You budget wisely, track your spending and seldom waste money on show.</source>
        <translation>आप सावधानी और बारीकी वाले कामों में उत्कृष्ट हैं: लेखा, संपादन, शोध, चिकित्सा, औषध-निर्माण, पोषण, सांख्यिकी और कार्यालय प्रशासन। आप समझदारी से बजट बनाते हैं, अपने खर्च पर नज़र रखते हैं और दिखावे पर शायद ही कभी पैसा उड़ाते हैं।</translation>
    </message>
    <message>
        <source>You do well in law, diplomacy, public relations, design, fashion and the arts, and in any business run with a partner. You enjoy spending on beautiful things, and joint ventures often bring your best gains.</source>
        <translation>आप क़ानून, कूटनीति, जनसंपर्क, डिज़ाइन, फ़ैशन और कलाओं में, और साझेदारी में चलने वाले किसी भी व्यवसाय में अच्छा करते हैं। सुंदर चीज़ों पर खर्च करना आपको अच्छा लगता है, और साझा उद्यम अक्सर आपको सबसे अच्छा लाभ देते हैं।</translation>
    </message>
    <message>
        <source>You make an excellent researcher, detective, surgeon, psychologist, insurance agent or mining engineer. You keep your finances private. You invest shrewdly and may gain from inheritance or from other people&apos;s money.</source>
        <translation>आप उत्कृष्ट शोधकर्ता, जासूस, शल्य चिकित्सक, मनोवैज्ञानिक, बीमा एजेंट या खनन इंजीनियर बनते हैं। आप अपने आर्थिक मामले निजी रखते हैं। आप चतुराई से निवेश करते हैं और विरासत से या दूसरों के धन से लाभ पा सकते हैं।</translation>
    </message>
    <message>
        <source>You are at home in teaching, law, religion, publishing, travel, sports and foreign trade. Fortune often smiles on you, but you can be too generous or take risks with money, so plan your finances with care.</source>
        <translation>अध्यापन, क़ानून, धर्म, प्रकाशन, यात्रा, खेल और विदेश व्यापार में आप सहज रहते हैं। भाग्य अक्सर आप पर मेहरबान रहता है, पर धन के मामले में आप ज़रूरत से ज़्यादा उदार हो सकते हैं या जोखिम उठा सकते हैं, इसलिए अपनी आर्थिक योजना सावधानी से बनाएँ।</translation>
    </message>
    <message>
        <source>You thrive in government service, administration, management, engineering, construction, mining, agriculture and politics. You are thrifty, plan for the long term and prefer to invest in land and safe savings.</source>
        <translation>सरकारी सेवा, प्रशासन, प्रबंधन, इंजीनियरिंग, निर्माण, खनन, कृषि और राजनीति में आप खूब फलते-फूलते हैं। आप मितव्ययी हैं, लंबे समय की योजना बनाते हैं और भूमि व सुरक्षित बचत में निवेश करना पसंद करते हैं।</translation>
    </message>
    <message>
        <source>You are well suited to science, research, technology, electronics, aviation, astrology and social work. Money is not your main aim. You may give generously to causes, so keep some savings in hand.</source>
        <translation>विज्ञान, शोध, तकनीक, इलेक्ट्रॉनिक्स, विमानन, ज्योतिष और समाज सेवा आपके लिए बहुत उपयुक्त हैं। धन आपका मुख्य लक्ष्य नहीं है। आप अच्छे कार्यों के लिए खुले हाथ से दान कर सकते हैं, इसलिए कुछ बचत हाथ में रखें।</translation>
    </message>
    <message>
        <source>You suit creative and caring work: music, film, painting, photography, medicine, nursing, charity, spiritual service and trades linked to the sea. You can be careless with money, so a simple budget protects you.</source>
        <translation>आपके लिए सृजनात्मक और सेवा के काम उपयुक्त हैं: संगीत, फ़िल्म, चित्रकला, फ़ोटोग्राफ़ी, चिकित्सा, नर्सिंग, परोपकार, आध्यात्मिक सेवा और समुद्र से जुड़े व्यापार। आप धन के मामले में लापरवाह हो सकते हैं, इसलिए एक सरल बजट आपको सुरक्षित रखता है।</translation>
    </message>
    <message>
        <source>You fall in love quickly and pursue the one you want with open passion. A partner with spirit keeps your interest longest. Quarrels in marriage flare up and pass, so guard your words. As a parent you are lively and protective, and you teach your children to stand up for themselves.</source>
        <translation>आपको प्रेम जल्दी हो जाता है और आप जिसे चाहते हैं उसका खुले जोश से पीछा करते हैं। जोशीला साथी आपकी रुचि सबसे लंबे समय तक बनाए रखता है। विवाह में झगड़े भड़कते हैं और निकल जाते हैं, इसलिए अपने शब्दों पर ध्यान रखें। माता-पिता के रूप में आप जीवंत और रक्षक होते हैं, और अपने बच्चों को अपने हक़ के लिए खड़ा होना सिखाते हैं।</translation>
    </message>
    <message>
        <source>You take your time before you commit, but once you love, you love with deep loyalty. In marriage you show affection through touch, gifts and a comfortable home. Jealousy can creep in when you feel insecure. Your children grow up with warmth, good meals and a sense of security.</source>
        <translation>किसी से बँधने से पहले आप समय लेते हैं, पर एक बार प्रेम हो जाए तो गहरी निष्ठा से निभाते हैं। विवाह में आप स्पर्श, उपहारों और आरामदायक घर के ज़रिए स्नेह जताते हैं। असुरक्षित महसूस करने पर ईर्ष्या घर कर सकती है। आपके बच्चे स्नेह, अच्छे भोजन और सुरक्षा की भावना के बीच बड़े होते हैं।</translation>
    </message>
    <message>
        <source>You need a partner who can talk with you and keep your mind engaged. Flirting comes easily, and you may hesitate before settling down. In marriage, variety and shared interests keep the bond alive. As a parent you are playful and treat your children almost as friends.</source>
        <translation>आपको ऐसा साथी चाहिए जो आपसे बातें कर सके और आपके मन को व्यस्त रखे। हँसी-ठिठोली आपको सहज आती है, और घर बसाने से पहले आप हिचकिचा सकते हैं। विवाह में विविधता और साझा रुचियाँ रिश्ते को जीवित रखती हैं। माता-पिता के रूप में आप खिलंदड़े होते हैं और अपने बच्चों से लगभग मित्रों जैसा व्यवहार करते हैं।</translation>
    </message>
    <message>
        <source>You love with great tenderness and need to feel safe before opening your heart. Marriage and a settled home mean a great deal to you. Your bond with your mother is especially strong. You nurture each child with patience. Try not to smother those you love with worry.</source>
        <translation>आप बड़ी कोमलता से प्रेम करते हैं और दिल खोलने से पहले सुरक्षित महसूस करना चाहते हैं। विवाह और बसा हुआ घर आपके लिए बहुत मायने रखते हैं। अपनी माँ से आपका रिश्ता विशेष रूप से गहरा होता है। आप हर बच्चे का धैर्य से पालन-पोषण करते हैं। कोशिश करें कि अपनी चिंता से अपने प्रियजनों का दम न घोंटें।</translation>
    </message>
    <message>
        <source>Romance for you is grand and wholehearted, full of warm gestures. You need a partner who admires you and stays loyal. In marriage you are faithful and generous, though you like to be in charge. You take great pride in your children and their achievements.</source>
        <translation>आपके लिए प्रेम भव्य और पूरे मन से होता है, स्नेह भरे भावों से भरा। आपको ऐसा साथी चाहिए जो आपकी सराहना करे और वफ़ादार रहे। विवाह में आप वफ़ादार और उदार रहते हैं, हालाँकि बागडोर अपने हाथ में रखना पसंद करते हैं। आपको अपने बच्चों और उनकी उपलब्धियों पर बड़ा गर्व होता है।</translation>
    </message>
    <message>
        <source>You are shy in romance and show love through thoughtful acts rather than grand words. You want a partner who is sincere and sensible. Try not to criticize your spouse over small things. As a parent you teach your children good habits, order and respect for learning.</source>
        <translation>प्रेम में आप संकोची हैं और बड़े-बड़े शब्दों के बजाय विचारशील कामों से प्रेम जताते हैं। आप ऐसा साथी चाहते हैं जो सच्चा और समझदार हो। छोटी-छोटी बातों पर जीवनसाथी की आलोचना न करने का प्रयास करें। माता-पिता के रूप में आप बच्चों को अच्छी आदतें, अनुशासन और विद्या का सम्मान सिखाते हैं।</translation>
    </message>
    <message>
        <source>Romance and companionship are central to your happiness. Marriage is one of your main goals. You work hard to keep it peaceful. You try to be fair to your parents and siblings. With your children you are gentle and even-handed, and you teach them good manners.</source>
        <translation>प्रेम और साथ आपकी प्रसन्नता के केंद्र में हैं। विवाह आपके मुख्य लक्ष्यों में से एक है। उसे शांतिपूर्ण बनाए रखने के लिए आप बहुत प्रयास करते हैं। आप अपने माता-पिता और भाई-बहनों के प्रति न्यायपूर्ण रहने की कोशिश करते हैं। अपने बच्चों के साथ आप कोमल और निष्पक्ष रहते हैं, और उन्हें अच्छे शिष्टाचार सिखाते हैं।</translation>
    </message>
    <message>
        <source>You love with all-or-nothing intensity and expect the same depth in return. Betrayal is the one thing you cannot forgive. In marriage you are passionate and loyal, but watch your possessiveness. You guard your children fiercely and expect discipline from them.</source>
        <translation>आप सब कुछ या कुछ नहीं वाली तीव्रता से प्रेम करते हैं और बदले में वैसी ही गहराई की अपेक्षा रखते हैं। विश्वासघात ही वह एक चीज़ है जिसे आप क्षमा नहीं कर सकते। विवाह में आप भावुक और निष्ठावान रहते हैं, पर अपनी अधिकार-भावना पर नज़र रखें। आप अपने बच्चों की जी-जान से रक्षा करते हैं और उनसे अनुशासन की अपेक्षा रखते हैं।</translation>
    </message>
    <message>
        <source>You need a partner who shares your love of adventure and gives you room to breathe. Honesty is your rule in romance. Marriage works best when you share ideals. Your father is often your first teacher. You encourage your children to explore and think for themselves.</source>
        <translation>आपको ऐसा साथी चाहिए जो रोमांच के प्रति आपका प्रेम बाँटे और आपको खुलकर साँस लेने की जगह दे। प्रेम में ईमानदारी आपका नियम है। जब आदर्श साझा हों तो विवाह सबसे अच्छा चलता है। आपके पिता अक्सर आपके पहले गुरु होते हैं। आप अपने बच्चों को दुनिया खोजने और स्वयं सोचने के लिए प्रोत्साहित करते हैं।</translation>
    </message>
    <message>
        <source>You are cautious in love and take relationships seriously. You may marry later in life or choose an older partner. In marriage you are loyal and a reliable provider. You care for your parents in their old age, and you teach your children the value of hard work.</source>
        <translation>प्रेम में आप सावधान रहते हैं और रिश्तों को गंभीरता से लेते हैं। आप देर से विवाह कर सकते हैं या उम्र में बड़ा साथी चुन सकते हैं। विवाह में आप निष्ठावान रहते हैं और परिवार का भरोसेमंद सहारा बनते हैं। बुढ़ापे में आप अपने माता-पिता की सेवा करते हैं, और अपने बच्चों को कड़ी मेहनत का मूल्य सिखाते हैं।</translation>
    </message>
    <message>
        <source>Friendship comes first for you, and love often grows out of it. You need a partner who respects your independence. Your marriage may look unconventional to others, but you are loyal within it. You treat your children as individuals and encourage their originality.</source>
        <translation>आपके लिए मित्रता पहले आती है, और प्रेम अक्सर उसी से पनपता है। आपको ऐसा साथी चाहिए जो आपकी स्वतंत्रता का सम्मान करे। दूसरों को आपका विवाह अपरंपरागत लग सकता है, पर उसमें आप निष्ठावान रहते हैं। आप अपने बच्चों को अलग-अलग व्यक्तित्व के रूप में देखते हैं और उनकी मौलिकता को बढ़ावा देते हैं।</translation>
    </message>
    <message>
        <source>You are deeply romantic and give yourself completely to the one you love. You may idealize your partner at first. In marriage you are tender, loyal and self-sacrificing. As a parent you are gentle and affectionate and nourish your children&apos;s imagination.</source>
        <translation>आप अत्यंत रोमानी हैं और जिसे प्रेम करते हैं उसे स्वयं को पूरी तरह सौंप देते हैं। शुरुआत में आप अपने साथी को आदर्श मान सकते हैं। विवाह में आप कोमल, निष्ठावान और त्यागी रहते हैं। माता-पिता के रूप में आप सौम्य और स्नेही होते हैं और अपने बच्चों की कल्पनाशक्ति को पोषित करते हैं।</translation>
    </message>
    <message>
        <source>The head is your weak point, so watch for headaches, fevers and head injuries. Rest when Mars drives you too hard.</source>
        <translation>सिर आपका कमज़ोर अंग है, इसलिए सिरदर्द, बुखार और सिर की चोटों से सावधान रहें। जब मंगल आपसे बहुत ज़्यादा भाग-दौड़ कराए, तो आराम करें।</translation>
    </message>
    <message>
        <source>Your sign rules the face, throat and neck. Guard against sore throats, tonsil trouble and thyroid problems. Rich food easily adds weight.</source>
        <translation>आपकी राशि चेहरे, गले और गर्दन पर शासन करती है। गले की ख़राश, टॉन्सिल की तकलीफ़ और थायरॉइड की समस्याओं से बचें। गरिष्ठ भोजन से वज़न आसानी से बढ़ता है।</translation>
    </message>
    <message>
        <source>Your shoulders, arms, hands and lungs need care. Watch for nervous exhaustion, sleeplessness, coughs and breathing troubles such as asthma.</source>
        <translation>आपके कंधों, भुजाओं, हाथों और फेफड़ों को देखभाल की ज़रूरत है। स्नायविक थकान, अनिद्रा, खाँसी और दमा जैसी साँस की तकलीफ़ों से सावधान रहें।</translation>
    </message>
    <message>
        <source>Your chest and lungs are sensitive areas. Colds, coughs and chest congestion are common, and worry can upset your digestion.</source>
        <translation>आपकी छाती और फेफड़े संवेदनशील अंग हैं। सर्दी, खाँसी और छाती में जकड़न आम हैं, और चिंता आपका पाचन बिगाड़ सकती है।</translation>
    </message>
    <message>
        <source>Your heart and stomach need the most care. Watch your blood pressure and back, and avoid acidity brought on by rich food or stress.</source>
        <translation>आपके हृदय और पेट को सबसे अधिक देखभाल चाहिए। अपने रक्तचाप और पीठ का ध्यान रखें, और गरिष्ठ भोजन या तनाव से होने वाली एसिडिटी से बचें।</translation>
    </message>
    <message>
        <source>Your abdomen and intestines are sensitive. Nervous worry can upset your digestion, so watch for bowel trouble and indigestion.</source>
        <translation>आपका उदर और आँतें संवेदनशील हैं। घबराहट भरी चिंता आपका पाचन बिगाड़ सकती है, इसलिए आँतों की तकलीफ़ और अपच से सावधान रहें।</translation>
    </message>
    <message>
        <source>Your lower abdomen and groin are sensitive, together with the kidneys and lower back. Watch for bladder infections. Treat back pain early.</source>
        <translation>आपका निचला उदर और कटि प्रदेश संवेदनशील हैं, साथ ही गुर्दे और कमर का निचला हिस्सा भी। मूत्राशय के संक्रमण से सावधान रहें। कमर दर्द का इलाज जल्दी कराएँ।</translation>
    </message>
    <message>
        <source>Your sign rules the external genitalia and the reproductive system. Take care of the bladder and urinary tract, and treat infections early.</source>
        <translation>आपकी राशि बाह्य जननांगों और प्रजनन तंत्र पर शासन करती है। मूत्राशय और मूत्र मार्ग का ध्यान रखें, और संक्रमण का इलाज जल्दी कराएँ।</translation>
    </message>
    <message>
        <source>Your thighs and hips need care. So does the liver. Watch for sciatica, sports injuries and the effects of overindulgence.</source>
        <translation>आपकी जाँघों और कूल्हों को देखभाल चाहिए। यकृत को भी। साइटिका, खेल की चोटों और अति-भोग के दुष्प्रभावों से सावधान रहें।</translation>
    </message>
    <message>
        <source>Your knees, bones and joints are your weak points. Watch for arthritis, rheumatism, stiffness, skin complaints and dental trouble.</source>
        <translation>आपके घुटने, हड्डियाँ और जोड़ आपके कमज़ोर अंग हैं। गठिया, वात रोग, अकड़न, त्वचा रोगों और दाँतों की तकलीफ़ से सावधान रहें।</translation>
    </message>
    <message>
        <source>Your calves and ankles are vulnerable, along with your circulation. Watch for cramps, varicose veins and sprains.</source>
        <translation>आपकी पिंडलियाँ और टखने नाज़ुक हैं, और साथ में रक्त संचार भी। ऐंठन, फूली हुई नसों (वैरिकोज़ वेन्स) और मोच से सावधान रहें।</translation>
    </message>
    <message>
        <source>Your feet are your most sensitive area. Watch for gout, corns and swelling. Take care with alcohol and medicines.</source>
        <translation>आपके पैर आपका सबसे संवेदनशील अंग हैं। गाउट, घट्टों और सूजन से सावधान रहें। शराब और दवाओं के मामले में सावधानी बरतें।</translation>
    </message>
</context>
<context>
    <name>tivora::SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
</context>
<context>
    <name>tivora::TabStrip</name>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
</context>
<context>
    <name>tivora::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण आया हो सकता है<byte value="xd"/>क्या आप नया संस्करण देखना चाहेंगे?</translation>
    </message>
</context>
<context>
    <name>tivora::VendorCaptions</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर पर अपनी साइट का नाम भी जोड़ें।  अपनी साइट के प्रति लोगों का लगाव और आवाजाही बढ़ाएँ। अपनी साइट का नाम और  लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    को-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाई करें। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Tivora is a Lagna calculator software based on Vedic Astrology. This program tells us in detail the characteristics and features of people born with a particular ascendant. The moon sign (Rashi) and the Vedic Ascendant (Lagna) together describe an individual&apos;s nature. This helps you understand your positive and negative traits, thus helping you improve your personality.</source>
        <translation>Tivora वैदिक ज्योतिष पर आधारित लग्न गणना का सॉफ़्टवेयर है। यह किसी विशेष लग्न में जन्मे लोगों की विशेषताओं और गुणों का विस्तार से वर्णन करता है। चंद्र राशि और वैदिक लग्न मिलकर व्यक्ति के स्वभाव का चित्र बनाते हैं। इससे आप अपने गुणों और कमियों को समझ पाते हैं, और अपने व्यक्तित्व को निखार सकते हैं।</translation>
    </message>
</context>
<context>
    <name>tivora::atlas</name>
    <message>
        <source>The place data %1 %2</source>
        <translation>स्थान डेटा %1 %2</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>नहीं मिला</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>खोला नहीं जा सकता</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ख़ाली है</translation>
    </message>
    <message>
        <source>is too large to be the atlas</source>
        <translation>एटलस होने के लिए बहुत बड़ा है</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>cannot be unpacked</source>
        <translation>खोला (अनपैक) नहीं जा सकता</translation>
    </message>
    <message>
        <source>unpacks to more than an atlas can be</source>
        <translation>खुलकर किसी एटलस से कहीं बड़ा हो जाता है</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>बीच में कटा हुआ है</translation>
    </message>
    <message>
        <source>is damaged: it is not a whole gzip file</source>
        <translation>क्षतिग्रस्त है: यह पूरी gzip फ़ाइल नहीं है</translation>
    </message>
    <message>
        <source>The place data %1 is damaged: %2</source>
        <translation>स्थान डेटा %1 क्षतिग्रस्त है: %2</translation>
    </message>
    <message>
        <source>could not be read: not enough memory</source>
        <translation>पढ़ा नहीं जा सका: मेमोरी पर्याप्त नहीं है</translation>
    </message>
    <message>
        <source>%1 in line %2</source>
        <translation>पंक्ति %2 में %1</translation>
    </message>
    <message>
        <source>an unknown line</source>
        <translation>एक अज्ञात पंक्ति</translation>
    </message>
    <message>
        <source>a bad zone</source>
        <translation>एक ग़लत समय क्षेत्र</translation>
    </message>
    <message>
        <source>a region after the places</source>
        <translation>स्थानों के बाद एक प्रदेश</translation>
    </message>
    <message>
        <source>a bad abbreviation</source>
        <translation>एक ग़लत संक्षेप</translation>
    </message>
    <message>
        <source>a bad country</source>
        <translation>एक ग़लत देश</translation>
    </message>
    <message>
        <source>a bad place</source>
        <translation>एक ग़लत स्थान</translation>
    </message>
    <message>
        <source>a bad key</source>
        <translation>एक ग़लत खोज-शब्द</translation>
    </message>
    <message>
        <source>keys out of order</source>
        <translation>खोज-शब्द क्रम से बाहर</translation>
    </message>
    <message>
        <source>too many names</source>
        <translation>बहुत अधिक नाम</translation>
    </message>
    <message>
        <source>no places</source>
        <translation>कोई स्थान नहीं</translation>
    </message>
    <message>
        <source>%1 (once %2)</source>
        <translation>%1 (पहले %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names towns in more than one region or country; took %2. For another, add its region or country, as in &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; नाम के नगर एक से अधिक प्रदेशों या देशों में हैं; %2 लिया गया। किसी और के लिए उसका प्रदेश या देश जोड़ें, जैसे &quot;%3&quot;।</translation>
    </message>
    <message>
        <source>standard time of %1 that day</source>
        <translation>उस दिन %1 का मानक समय</translation>
    </message>
    <message>
        <source>the clocks of %1 that day (%2)</source>
        <translation>उस दिन %1 की घड़ियाँ (%2)</translation>
    </message>
    <message>
        <source>in %1, not in %2</source>
        <translation>%1 में, %2 में नहीं</translation>
    </message>
    <message>
        <source>%1 km from %2</source>
        <translation>%2 से %1 किमी दूर</translation>
    </message>
    <message>
        <source>Offset uncertain: before 1970 the time-zone database follows %1 only, and %2 lies %3; its clocks in %4 may have kept standard time, %5, instead of %6</source>
        <translation>अंतर अनिश्चित: 1970 से पहले का समय क्षेत्र डेटाबेस केवल %1 का पालन करता है, और %2 %3 है; %4 में वहाँ की घड़ियाँ %6 के बजाय मानक समय, %5, पर रही हो सकती हैं</translation>
    </message>
    <message>
        <source>Offset uncertain: before 1970 the time-zone database follows %1 only, and %2 lies %3; %1 changed its clocks in %4, and %2 may not have followed it</source>
        <translation>अंतर अनिश्चित: 1970 से पहले का समय क्षेत्र डेटाबेस केवल %1 का पालन करता है, और %2 %3 है; %4 में %1 ने अपनी घड़ियाँ बदलीं, और हो सकता है %2 ने ऐसा न किया हो</translation>
    </message>
    <message>
        <source>local mean time</source>
        <translation>स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>मानक समय</translation>
    </message>
    <message>
        <source>war time</source>
        <translation>युद्धकालीन समय</translation>
    </message>
    <message>
        <source>daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>On %1 the clocks in %2 went forward from %3 (%4) to %5 (%6): %7 never happened there.

Please enter the time of birth as it was registered. If the record itself says %7, the birth was at %8 by the clocks after the change: enter that time.</source>
        <translation>%1 को %2 की घड़ियाँ %3 (%4) से आगे बढ़ाकर %5 (%6) कर दी गईं: वहाँ %7 कभी हुआ ही नहीं।

कृपया जन्म का वही समय लिखें जो पंजीकृत हुआ था। यदि अभिलेख में ही %7 लिखा है, तो बदलाव के बाद की घड़ियों से जन्म %8 पर हुआ था: वही समय लिखें।</translation>
    </message>
    <message>
        <source>On %1 the clocks in %2 went back from %3 to %4, so %5 happened twice: first on %6, then on %7.

Which one was the time of birth?</source>
        <translation>%1 को %2 की घड़ियाँ %3 से पीछे करके %4 कर दी गईं, इसलिए %5 दो बार आया: पहले %6 पर, फिर %7 पर।

जन्म का समय इनमें से कौन-सा था?</translation>
    </message>
    <message>
        <source>Earlier: %1</source>
        <translation>पहला: %1</translation>
    </message>
    <message>
        <source>Later: %1</source>
        <translation>बाद वाला: %1</translation>
    </message>
    <message>
        <source>You typed %1; clocks in %2 on %3 at %4 kept %5 (%6)</source>
        <translation>आपने %1 लिखा; %3 को %4 बजे %2 की घड़ियाँ %5 (%6) पर थीं</translation>
    </message>
    <message>
        <source>“%1” is not a town chosen from the list. Choose the town from the list under City, or type the latitude, the longitude and the time zone yourself.</source>
        <translation>“%1” सूची से चुना गया नगर नहीं है। शहर के नीचे की सूची से नगर चुनें, या अक्षांश, देशांतर और समय क्षेत्र स्वयं लिखें।</translation>
    </message>
    <message>
        <source>The zone boxes cannot hold %1: they go up to 14 hours.</source>
        <translation>समय क्षेत्र के खाने %1 नहीं रख सकते: वे 14 घंटे तक ही जाते हैं।</translation>
    </message>
    <message>
        <source>The zone boxes cannot hold %1 at an east longitude: they count a zone behind universal time only west of Greenwich.</source>
        <translation>पूर्वी देशांतर पर समय क्षेत्र के खाने %1 नहीं रख सकते: वे सार्वभौमिक समय से पीछे का क्षेत्र केवल ग्रीनविच के पश्चिम में गिनते हैं।</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 को %2 बजे</translation>
    </message>
    <message>
        <source>%1 happened twice in %2: first at %3, then again at %4 after the clocks went back from %5 to %6</source>
        <translation>%2 में %1 दो बार आया: पहले %3 पर, फिर घड़ियाँ %5 से %6 पर पीछे किए जाने के बाद दोबारा %4 पर</translation>
    </message>
    <message>
        <source>%1 never happened in %2: the clocks jumped forward from %3 to %4, from %5 to %6</source>
        <translation>%2 में %1 कभी नहीं आया: घड़ियाँ %3 से सीधे %4 पर आगे बढ़ा दी गईं, %5 से %6 पर</translation>
    </message>
    <message>
        <source>%1: %2, on %3 at %4 %5</source>
        <translation>%1: %2, %3 को %4 बजे %5</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not known</source>
        <translation>समय क्षेत्र &quot;%1&quot; ज्ञात नहीं है</translation>
    </message>
    <message>
        <source>The date or time of birth is not a valid one</source>
        <translation>जन्म की तारीख़ या समय मान्य नहीं है</translation>
    </message>
</context>
<context>
    <name>tivora::cli</name>
    <message>
        <source>a Fold cell of earlier or later</source>
        <translation>earlier या later वाला Fold खाना</translation>
    </message>
    <message>
        <source>no town called &quot;%1&quot; is in the atlas; give the coordinates and the zone instead</source>
        <translation>एटलस में &quot;%1&quot; नाम का कोई नगर नहीं है; इसके बजाय निर्देशांक और समय क्षेत्र दें</translation>
    </message>
    <message>
        <source>%1; say which with %2</source>
        <translation>%1; कौन-सा था, यह %2 से बताएँ</translation>
    </message>
    <message>
        <source>%1 to this system&apos;s time-zone database; give a zone id such as Asia/Kolkata (&apos;tivora-cli places TOWN&apos; shows a town&apos;s zone)</source>
        <translation>%1 (इस सिस्टम के समय-क्षेत्र डेटाबेस में); Asia/Kolkata जैसी कोई ज़ोन आईडी दें (&apos;tivora-cli places TOWN&apos; किसी नगर का ज़ोन दिखाता है)</translation>
    </message>
    <message>
        <source>no town called &quot;%1&quot; is in the atlas</source>
        <translation>एटलस में &quot;%1&quot; नाम का कोई नगर नहीं है</translation>
    </message>
    <message>
        <source>--fold earlier or --fold later</source>
        <translation>--fold earlier या --fold later</translation>
    </message>
</context>
<context>
    <name>tivora::cli::ReadingText</name>
    <message>
        <source>(ahead of universal time, east)</source>
        <translation>(सार्वभौमिक समय से आगे, पूर्व)</translation>
    </message>
    <message>
        <source>(behind universal time, west)</source>
        <translation>(सार्वभौमिक समय से पीछे, पश्चिम)</translation>
    </message>
    <message>
        <source>(same as universal time)</source>
        <translation>(सार्वभौमिक समय के बराबर)</translation>
    </message>
    <message>
        <source>yes, one hour added</source>
        <translation>हाँ, एक घंटा जोड़ा गया</translation>
    </message>
    <message>
        <source>no</source>
        <translation>नहीं</translation>
    </message>
</context>
<context>
    <name>tivora::frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>tivora::frmMain</name>
    <message>
        <source>Birth month</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Birth day</source>
        <translation>जन्म की तारीख</translation>
    </message>
    <message>
        <source>Birth year</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Birth hour</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Birth minute</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Birth second</source>
        <translation>जन्म का सेकंड</translation>
    </message>
    <message>
        <source>Time zone hours</source>
        <translation>समय क्षेत्र के घंटे</translation>
    </message>
    <message>
        <source>Time zone minutes</source>
        <translation>समय क्षेत्र के मिनट</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 लें</translation>
    </message>
    <message>
        <source>&amp;Recent Births</source>
        <translation>हाल के जन्म (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Births</source>
        <translation>हाल के जन्म मिटाएँ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>गणना करें (&amp;C)</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
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
        <source>Longitude</source>
        <translation>देशांतर</translation>
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
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घंटे:मिनट:सेकंड</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सूची</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
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
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Find My Lagna</source>
        <translation>मेरा लग्न जानें</translation>
    </message>
    <message>
        <source>The chosen zone row already includes the extra hour; with DST ticked it counts twice.</source>
        <translation>चुने गए समय क्षेत्र में अतिरिक्त घंटा पहले से जुड़ा है; डेलाइट सेविंग पर सही का निशान रहने से वह दो बार गिना जाएगा।</translation>
    </message>
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
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फलादेश खोलें (&amp;O)</translation>
    </message>
</context>
<context>
    <name>tivora::frmResult</name>
    <message>
        <source>Back to the previous page</source>
        <translation>पिछले पृष्ठ पर वापस</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Rashi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Join our astrology discussion board: ask questions and share your reading</source>
        <translation>हमारे ज्योतिष चर्चा मंच से जुड़ें: प्रश्न पूछें और अपना फलादेश साझा करें</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Visit us at %1 for more astrology software</source>
        <translation>और ज्योतिष सॉफ़्टवेयर के लिए %1 पर पधारें</translation>
    </message>
    <message>
        <source>Own a website? Get this software co-branded with your name and logo, and offer it to your visitors. Click here for more details.</source>
        <translation>क्या आपकी अपनी वेबसाइट है? इस सॉफ़्टवेयर पर अपना नाम और लोगो लगवाएँ और इसे अपने आगंतुकों को दें। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>tivora::frmSave</name>
    <message>
        <source>Report</source>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>अभी %1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>Save &amp;as PDF</source>
        <translation>PDF के रूप में सहेजें (&amp;A)</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF फ़ाइल (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Print The Report.</source>
        <translation>रिपोर्ट छापी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Printing goes to the default printer. Set up a printer and make it the default one in the system&apos;s printer settings (or with the command: lpadmin -d PRINTER-NAME), then press Print again. Save as PDF keeps the report as a file meanwhile.</source>
        <translation>छपाई डिफ़ॉल्ट प्रिंटर पर होती है। सिस्टम की प्रिंटर सेटिंग में एक प्रिंटर जोड़कर उसे डिफ़ॉल्ट बनाएँ (या इस कमांड से: lpadmin -d PRINTER-NAME), फिर से &quot;छापें&quot; दबाएँ। तब तक &quot;PDF के रूप में सहेजें&quot; से रिपोर्ट को फ़ाइल में रख सकते हैं।</translation>
    </message>
    <message>
        <source>Could Not Save The PDF File.</source>
        <translation>PDF फ़ाइल सहेजी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>The Most Popular Online Kestrune Discussion Board</source>
        <translation>सबसे लोकप्रिय ऑनलाइन Kestrune चर्चा मंच</translation>
    </message>
</context>
<context>
    <name>tivora::frmTimeZone</name>
    <message>
        <source>Time zones</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <translation>अलास्का/हवाई डेलाइट समय</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <translation>अलास्का/हवाई मानक समय</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <translation>अलास्का/हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <translation>अटलांटिक मानक समय</translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <translation>अटलांटिक युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <translation>ऑस्ट्रेलियाई मध्य डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय</translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय</translation>
    </message>
    <message>
        <source>Azores Time</source>
        <translation>अज़ोरेस समय</translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <translation>बग़दाद समय</translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <translation>बेरिंग मानक समय</translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <translation>ब्राज़ील क्षेत्र 2</translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>British War Time</source>
        <translation>ब्रिटिश युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <translation>मध्य डेलाइट समय</translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <translation>मध्य यूरोपीय डेलाइट</translation>
    </message>
    <message>
        <source>Central European Time</source>
        <translation>मध्य यूरोपीय समय</translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <translation>मध्य मानक समय</translation>
    </message>
    <message>
        <source>Central War Time</source>
        <translation>मध्य युद्धकालीन समय</translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <translation>चीन तटीय समय</translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <translation>पूर्वी डेलाइट समय</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <translation>पूर्वी यूरोपीय समय</translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <translation>पूर्वी मानक समय</translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <translation>पूर्वी युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <translation>ग्रीनविच माध्य समय</translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <translation>गुआम मानक समय</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <translation>हवाई डेलाइट समय</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <translation>हवाई मानक समय</translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <translation>हवाई युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Indian Time</source>
        <translation>भारतीय समय</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व</translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम</translation>
    </message>
    <message>
        <source>Iran Time</source>
        <translation>ईरान समय</translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <translation>जापान मानक समय</translation>
    </message>
    <message>
        <source>Java Time</source>
        <translation>जावा समय</translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <translation>मध्य यूरोपीय डेलाइट समय</translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <translation>मध्य यूरोपीय समय</translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <translation>मोलुक्का समय</translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <translation>माउंटेन डेलाइट समय</translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <translation>माउंटेन मानक समय</translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <translation>माउंटेन युद्धकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <translation>न्यूज़ीलैंड मानक समय</translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <translation>न्यूज़ीलैंड समय</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय</translation>
    </message>
    <message>
        <source>Nome Time</source>
        <translation>नोम समय</translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <translation>उत्तरी सुमात्रा समय</translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <translation>प्रशांत डेलाइट समय</translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <translation>प्रशांत मानक समय</translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <translation>प्रशांत युद्धकालीन समय</translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय</translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय</translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <translation>दक्षिणी सुमात्रा समय</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>सार्वभौमिक समय</translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <translation>सोवियत संघ क्षेत्र 10</translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <translation>सोवियत संघ क्षेत्र 3</translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <translation>सोवियत संघ क्षेत्र 4</translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <translation>सोवियत संघ क्षेत्र 5</translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <translation>सोवियत संघ क्षेत्र 6</translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <translation>पश्चिम अफ़्रीका समय</translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <translation>यूकॉन डेलाइट समय</translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <translation>यूकॉन मानक समय</translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <translation>यूकॉन युद्धकालीन समय</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
</context>
</TS>
