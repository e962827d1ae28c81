#include "script/values/locale.h"

#include "script/values/text.h"

namespace vbs {

thread_local constinit const Locale* currentLocale = nullptr;

namespace {

using N = std::u16string_view;

constexpr N kEnglishMonths[24] = {
    u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
    u"October", u"November", u"December",
    u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr N kEnglishDays[14] = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday",
                                u"Saturday", u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
constexpr N kGermanMonths[24] = {
    u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
    u"Oktober", u"November", u"Dezember",
    u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
constexpr N kGermanDays[14] = {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag",
                               u"Samstag", u"So", u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa"};
constexpr N kFrenchMonths[24] = {
    u"janvier", u"février", u"mars", u"avril", u"mai", u"juin", u"juillet", u"août", u"septembre",
    u"octobre", u"novembre", u"décembre",
    u"janv.", u"févr.", u"mars", u"avr.", u"mai", u"juin", u"juil.", u"août", u"sept.", u"oct.",
    u"nov.", u"déc."};
constexpr N kFrenchDays[14] = {u"dimanche", u"lundi", u"mardi", u"mercredi", u"jeudi", u"vendredi",
                               u"samedi", u"dim.", u"lun.", u"mar.", u"mer.", u"jeu.", u"ven.", u"sam."};
constexpr N kSpanishMonths[24] = {
    u"enero", u"febrero", u"marzo", u"abril", u"mayo", u"junio", u"julio", u"agosto", u"septiembre",
    u"octubre", u"noviembre", u"diciembre",
    u"ene.", u"feb.", u"mar.", u"abr.", u"may.", u"jun.", u"jul.", u"ago.", u"sept.", u"oct.",
    u"nov.", u"dic."};
constexpr N kSpanishDays[14] = {u"domingo", u"lunes", u"martes", u"miércoles", u"jueves", u"viernes",
                                u"sábado", u"do.", u"lu.", u"ma.", u"mi.", u"ju.", u"vi.", u"sá."};
constexpr N kItalianMonths[24] = {
    u"gennaio", u"febbraio", u"marzo", u"aprile", u"maggio", u"giugno", u"luglio", u"agosto",
    u"settembre", u"ottobre", u"novembre", u"dicembre",
    u"gen", u"feb", u"mar", u"apr", u"mag", u"giu", u"lug", u"ago", u"set", u"ott", u"nov", u"dic"};
constexpr N kItalianDays[14] = {u"domenica", u"lunedì", u"martedì", u"mercoledì", u"giovedì", u"venerdì",
                                u"sabato", u"dom", u"lun", u"mar", u"mer", u"gio", u"ven", u"sab"};
constexpr N kDutchMonths[24] = {
    u"januari", u"februari", u"maart", u"april", u"mei", u"juni", u"juli", u"augustus", u"september",
    u"oktober", u"november", u"december",
    u"jan", u"feb", u"mrt", u"apr", u"mei", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"};
constexpr N kDutchDays[14] = {u"zondag", u"maandag", u"dinsdag", u"woensdag", u"donderdag", u"vrijdag",
                              u"zaterdag", u"zo", u"ma", u"di", u"wo", u"do", u"vr", u"za"};
constexpr N kPortugueseMonths[24] = {
    u"janeiro", u"fevereiro", u"março", u"abril", u"maio", u"junho", u"julho", u"agosto", u"setembro",
    u"outubro", u"novembro", u"dezembro",
    u"jan", u"fev", u"mar", u"abr", u"mai", u"jun", u"jul", u"ago", u"set", u"out", u"nov", u"dez"};
constexpr N kPortugueseDays[14] = {u"domingo", u"segunda-feira", u"terça-feira", u"quarta-feira",
                                   u"quinta-feira", u"sexta-feira", u"sábado",
                                   u"dom", u"seg", u"ter", u"qua", u"qui", u"sex", u"sáb"};

constexpr N kSwedishMonths[24] = {
    u"januari", u"februari", u"mars", u"april", u"maj", u"juni", u"juli", u"augusti", u"september",
    u"oktober", u"november", u"december",
    u"jan", u"feb", u"mar", u"apr", u"maj", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"};
constexpr N kSwedishDays[14] = {u"söndag", u"måndag", u"tisdag", u"onsdag", u"torsdag", u"fredag", u"lördag",
                                u"sön", u"mån", u"tis", u"ons", u"tor", u"fre", u"lör"};
constexpr N kDanishMonths[24] = {
    u"januar", u"februar", u"marts", u"april", u"maj", u"juni", u"juli", u"august", u"september",
    u"oktober", u"november", u"december",
    u"jan", u"feb", u"mar", u"apr", u"maj", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"dec"};
constexpr N kNorwegianMonths[24] = {
    u"januar", u"februar", u"mars", u"april", u"mai", u"juni", u"juli", u"august", u"september",
    u"oktober", u"november", u"desember",
    u"jan", u"feb", u"mar", u"apr", u"mai", u"jun", u"jul", u"aug", u"sep", u"okt", u"nov", u"des"};
constexpr N kDanoNorwegianDays[14] = {u"søndag", u"mandag", u"tirsdag", u"onsdag", u"torsdag", u"fredag",
                                      u"lørdag", u"søn", u"man", u"tir", u"ons", u"tor", u"fre", u"lør"};

constexpr N kRussianMonths[24] = {
    u"Январь", u"Февраль", u"Март", u"Апрель", u"Май", u"Июнь", u"Июль", u"Август", u"Сентябрь",
    u"Октябрь", u"Ноябрь", u"Декабрь",
    u"янв", u"фев", u"мар", u"апр", u"май", u"июн", u"июл", u"авг", u"сен", u"окт", u"ноя", u"дек"};
constexpr N kRussianMonthsAfterDay[24] = {
    u"января", u"февраля", u"марта", u"апреля", u"мая", u"июня", u"июля", u"августа", u"сентября",
    u"октября", u"ноября", u"декабря",
    u"янв", u"фев", u"мар", u"апр", u"май", u"июн", u"июл", u"авг", u"сен", u"окт", u"ноя", u"дек"};
constexpr N kRussianDays[14] = {u"воскресенье", u"понедельник", u"вторник", u"среда", u"четверг", u"пятница",
                                u"суббота", u"Вс", u"Пн", u"Вт", u"Ср", u"Чт", u"Пт", u"Сб"};

constexpr auto MDY = DateOrder::MonthDayYear;
constexpr auto DMY = DateOrder::DayMonthYear;
constexpr auto YMD = DateOrder::YearMonthDay;

// Windows 10's defaults for each.
constexpr Locale kUS{u'.', u',', MDY, u'/', u"M/d/yyyy", u"dddd, MMMM d, yyyy", u"h:mm:ss tt", u"AM", u"PM",
                     u"$#", u"-$#", true, u"$", 1, 1, kEnglishMonths, kEnglishDays};
constexpr Locale kUK{u'.', u',', DMY, u'/', u"dd/MM/yyyy", u"dd MMMM yyyy", u"HH:mm:ss", u"AM", u"PM",
                     u"£#", u"-£#", false, u"£", 2, 2, kEnglishMonths, kEnglishDays};
constexpr Locale kAustralia{u'.', u',', DMY, u'/', u"d/MM/yyyy", u"dddd, d MMMM yyyy", u"h:mm:ss tt", u"AM",
                            u"PM", u"$#", u"-$#", false, u"$", 2, 1, kEnglishMonths, kEnglishDays};
constexpr Locale kGermany{u',', u'.', DMY, u'.', u"dd.MM.yyyy", u"dddd, d. MMMM yyyy", u"HH:mm:ss", u"", u"",
                          u"# €", u"-# €", false, u"€", 2, 2, kGermanMonths, kGermanDays};
constexpr Locale kFrance{u',', u'\u00A0', DMY, u'/', u"dd/MM/yyyy", u"dddd d MMMM yyyy", u"HH:mm:ss", u"", u"",
                         u"# €", u"-# €", false, u"€", 2, 2, kFrenchMonths, kFrenchDays};
constexpr Locale kSpain{u',', u'.', DMY, u'/', u"dd/MM/yyyy", u"dddd, d' de 'MMMM' de 'yyyy", u"H:mm:ss", u"",
                        u"", u"# €", u"-# €", false, u"€", 2, 2, kSpanishMonths, kSpanishDays};
constexpr Locale kItaly{u',', u'.', DMY, u'/', u"dd/MM/yyyy", u"dddd d MMMM yyyy", u"HH:mm:ss", u"", u"",
                        u"# €", u"-# €", false, u"€", 2, 2, kItalianMonths, kItalianDays};
constexpr Locale kNetherlands{u',', u'.', DMY, u'-', u"d-M-yyyy", u"dddd d MMMM yyyy", u"HH:mm:ss", u"", u"",
                              u"€ #", u"€ -#", false, u"€", 2, 2, kDutchMonths, kDutchDays};
constexpr Locale kBrazil{u',', u'.', DMY, u'/', u"dd/MM/yyyy", u"dddd, d' de 'MMMM' de 'yyyy", u"HH:mm:ss", u"",
                         u"", u"R$ #", u"-R$ #", false, u"R$", 1, 1, kPortugueseMonths, kPortugueseDays};
constexpr Locale kSweden{u',', u'\u00A0', YMD, u'-', u"yyyy-MM-dd", u"'den 'd MMMM yyyy", u"HH:mm:ss", u"", u"",
                         u"# kr", u"-# kr", false, u"kr", 2, 2, kSwedishMonths, kSwedishDays};
constexpr Locale kDenmark{u',', u'.', DMY, u'-', u"dd-MM-yyyy", u"d. MMMM yyyy", u"HH:mm:ss", u"", u"",
                          u"# kr.", u"-# kr.", false, u"kr.", 2, 2, kDanishMonths, kDanoNorwegianDays};
constexpr Locale kNorway{u',', u'\u00A0', DMY, u'.', u"dd.MM.yyyy", u"d. MMMM yyyy", u"HH:mm:ss", u"", u"",
                         u"kr #", u"-kr #", false, u"kr", 2, 2, kNorwegianMonths, kDanoNorwegianDays};
constexpr Locale kRussia{u',', u'\u00A0', DMY, u'.', u"dd.MM.yyyy", u"d MMMM yyyy 'г.'", u"H:mm:ss", u"", u"",
                         u"# ₽", u"-# ₽", false, u"₽", 2, 2, kRussianMonths, kRussianDays, kRussianMonthsAfterDay};

struct Entry {
    int32_t lcid;
    N name;
    const Locale* locale;
};

// The IDs of Microsoft's VBScript locale chart. Languages without a table of their own here format
// as United States English, so a script that sets them still runs.
constexpr Entry kIds[] = {
    {1033, u"en-us", &kUS}, {2057, u"en-gb", &kUK}, {3081, u"en-au", &kAustralia}, {4105, u"en-ca", &kUS},
    {5129, u"en-nz", &kAustralia}, {6153, u"en-ie", &kUK}, {7177, u"en-za", &kUK}, {8201, u"en-jm", &kUS},
    {10249, u"en-bz", &kUS}, {11273, u"en-tt", &kUS}, {16393, u"en-in", &kUK}, {1033, u"en", &kUS},
    {1031, u"de-de", &kGermany}, {3079, u"de-at", &kGermany}, {2055, u"de-ch", &kGermany},
    {4103, u"de-lu", &kGermany}, {5127, u"de-li", &kGermany}, {1031, u"de", &kGermany},
    {1036, u"fr-fr", &kFrance}, {2060, u"fr-be", &kFrance}, {3084, u"fr-ca", &kFrance},
    {4108, u"fr-ch", &kFrance}, {5132, u"fr-lu", &kFrance}, {1036, u"fr", &kFrance},
    {3082, u"es-es", &kSpain}, {1034, u"es-es_tradnl", &kSpain}, {2058, u"es-mx", &kSpain},
    {11274, u"es-ar", &kSpain}, {9226, u"es-co", &kSpain}, {13322, u"es-cl", &kSpain}, {3082, u"es", &kSpain},
    {1040, u"it-it", &kItaly}, {2064, u"it-ch", &kItaly}, {1040, u"it", &kItaly},
    {1043, u"nl-nl", &kNetherlands}, {2067, u"nl-be", &kNetherlands}, {1043, u"nl", &kNetherlands},
    {1046, u"pt-br", &kBrazil}, {2070, u"pt-pt", &kBrazil}, {2070, u"pt", &kBrazil},
    {1078, u"af", &kUS}, {1052, u"sq", &kUS}, {1025, u"ar-sa", &kUS}, {1025, u"ar", &kUS},
    {3073, u"ar-eg", &kUS}, {14337, u"ar-ae", &kUS}, {1069, u"eu", &kUS}, {1059, u"be", &kUS},
    {1026, u"bg", &kUS}, {1027, u"ca", &kUS}, {2052, u"zh-cn", &kUS}, {1028, u"zh-tw", &kUS},
    {3076, u"zh-hk", &kUS}, {4100, u"zh-sg", &kUS}, {2052, u"zh", &kUS}, {1050, u"hr", &kUS},
    {1029, u"cs", &kUS}, {1030, u"da", &kDenmark}, {1030, u"da-dk", &kDenmark}, {1061, u"et", &kUS}, {1080, u"fo", &kUS}, {1065, u"fa", &kUS},
    {1035, u"fi", &kUS}, {1084, u"gd", &kUS}, {1032, u"el", &kUS}, {1037, u"he", &kUS}, {1081, u"hi", &kUS},
    {1038, u"hu", &kUS}, {1039, u"is", &kUS}, {1057, u"id", &kUS}, {1041, u"ja", &kUS}, {1042, u"ko", &kUS},
    {1062, u"lv", &kUS}, {1063, u"lt", &kUS}, {1071, u"mk", &kUS}, {1086, u"ms", &kUS}, {1082, u"mt", &kUS},
    {1044, u"no", &kNorway}, {1044, u"nb-no", &kNorway}, {2068, u"nn-no", &kNorway}, {1045, u"pl", &kUS},
    {1047, u"rm", &kUS}, {1048, u"ro", &kUS}, {1049, u"ru", &kRussia}, {1049, u"ru-ru", &kRussia}, {3098, u"sr", &kUS}, {1051, u"sk", &kUS},
    {1060, u"sl", &kUS}, {1070, u"sb", &kUS}, {1053, u"sv", &kSweden}, {1053, u"sv-se", &kSweden},
    {2077, u"sv-fi", &kSweden}, {1054, u"th", &kUS}, {1073, u"ts", &kUS}, {1074, u"tn", &kUS},
    {1055, u"tr", &kUS}, {1058, u"uk", &kUS}, {1056, u"ur", &kUS}, {1091, u"uz", &kUS}, {1066, u"vi", &kUS},
    {1076, u"xh", &kUS}, {1085, u"yi", &kUS}, {1077, u"zu", &kUS},
};

}  // namespace

const Locale& usEnglish() { return kUS; }

LocaleId findLocale(int32_t lcid) {
    if (lcid == 0 || lcid == 1024 || lcid == 2048) lcid = kDefaultLcid;  // the user's and the system's
    for (const Entry& e : kIds)
        if (e.lcid == lcid) return {e.lcid, e.locale};
    return {0, nullptr};
}

LocaleId findLocale(std::u16string_view name) {
    for (const Entry& e : kIds)
        if (equalsIgnoreCase(e.name, name)) return {e.lcid, e.locale};
    // "ru-ru" and the like: a region of a language the chart names alone.
    size_t dash = name.find(u'-');
    if (dash != N::npos && dash > 0) {
        N language = name.substr(0, dash);
        for (const Entry& e : kIds)
            if (equalsIgnoreCase(e.name, language)) return {e.lcid, e.locale};
    }
    return {0, nullptr};
}

}  // namespace vbs
