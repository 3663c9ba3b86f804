// The country tables of the two setup windows: each country's operators in list order and its
// default operator (a null text: none). The two tables differ only in "Canada" (default),
// "Germany" (the SMTP window adds "netzclub" and shows "T-Mobile") and "Russia" (the SMTP window
// adds "YOTA").

#include "carriers/carriers.h"

using namespace Qt::StringLiterals;

template<> const CountryTable &countryTable<MmsSettings>()
{
    // clang-format off
    static const CountryTable table = {
        {u"Australia"_s,      {u"Optus"_s, u"Telstra"_s, u"Three"_s, u"Vodafone"_s},                                              u"Optus"_s},
        {u"Austria"_s,        {u"Drei"_s, u"MobilKom"_s, u"One"_s, u"Tele Ring"_s, u"T-Mobile"_s},                                u"Drei"_s},
        {u"Brazil"_s,         {u"Brazil Telecom"_s, u"Claro"_s, u"Oi"_s, u"TIM"_s},                                               u"Brazil Telecom"_s},
        {u"Bulgaria"_s,       {u"Globul"_s, u"Mtel"_s},                                                                           u"Globul"_s},
        {u"Canada"_s,         {u"Bell"_s, u"Fido"_s, u"Koodo"_s, u"Roger"_s, u"Telus"_s},                                         u"Roger"_s},
        {u"China"_s,          {u"China Mobile"_s, u"China Unicom"_s},                                                             u"China Mobile"_s},
        {u"Croatia"_s,        {u"VIPNet"_s},                                                                                      u"VIPNet"_s},
        {u"Czech Republic"_s, {u"T-Mobile"_s, u"Vodafone"_s},                                                                     u"T-Mobile"_s},
        {u"Denmark"_s,        {u"Sonofon"_s, u"Tele Denmark"_s, u"Telia"_s, u"Tre"_s},                                            u"Sonofon"_s},
        {u"Egypt"_s,          {u"MobilNil"_s, u"Vodafone"_s},                                                                     u"MobilNil"_s},
        {u"Estonia"_s,        {u"Elisa"_s, u"EMT"_s, u"Tele 2"_s},                                                                u"Elisa"_s},
        {u"Finland"_s,        {u"Dna"_s, u"Alands"_s, u"Elisa"_s, u"Go Mobile"_s, u"PGFree"_s, u"Sonera"_s},                      u"Dna"_s},
        {u"France"_s,         {u"Orange"_s, u"Bouygues"_s, u"SFR (forfait bloqué)"_s, u"SFR (forfait illimité)"_s, u"Free"_s},    u"Orange"_s},
        {u"Germany"_s,        {u"O2(Prepaid)"_s, u"O2(Vertrag)"_s, u"T-Mobile(Prepaid)"_s, u"T-Mobile"_s, u"Vodafone"_s},         QString()},
        {u"Greece"_s,         {u"Cosmote"_s, u"Q-Telecom"_s, u"TIM"_s, u"Vodafone"_s},                                            u"Cosmote"_s},
        {u"Hungary"_s,        {u"PannonGSM"_s, u"T-Mobile"_s, u"Vodafone"_s},                                                     u"PannonGSM"_s},
        {u"India"_s,          {u"Airtel"_s, u"BPL"_s, u"CellOne"_s, u"Hutch"_s},                                                  u"Airtel"_s},
        {u"Ireland"_s,        {u"Vodafone"_s},                                                                                    u"Vodafone"_s},
        {u"Italy"_s,          {u"TIM"_s, u"Tre"_s, u"Vodafone"_s, u"Wind"_s},                                                     u"TIM"_s},
        {u"Lithuania"_s,      {u"Omnitel"_s},                                                                                     u"Omnitel"_s},
        {u"Netherlands"_s,    {u"KPN"_s, u"Orange"_s, u"Telfort"_s, u"T-Mobile"_s, u"Vodafone"_s},                                u"KPN"_s},
        {u"New Zealand"_s,    {u"Vodafone"_s},                                                                                    u"Vodafone"_s},
        {u"Norway"_s,         {u"Netcom"_s, u"Telenor"_s},                                                                        u"Netcom"_s},
        {u"Poland"_s,         {u"ERA"_s, u"Heyah"_s, u"Idea"_s, u"Orange"_s, u"Plus"_s, u"Sami"_s},                               u"ERA"_s},
        {u"Portugal"_s,       {u"Optimus"_s, u"TMN"_s, u"Vodafone"_s},                                                            u"Optimus"_s},
        {u"Romania"_s,        {u"Connex-Vodafone"_s, u"Orange"_s},                                                                u"Connex-Vodafone"_s},
        {u"Russia"_s,         {u"Beeline"_s, u"Megafon"_s, u"MTS"_s, u"TELE2"_s},                                                 QString()},
        {u"Slovakia"_s,       {u"O2"_s, u"T-Mobile"_s, u"Orange"_s},                                                              u"T-Mobile"_s},
        {u"South Africa"_s,   {u"Cell C"_s, u"MTN"_s, u"VodaCom"_s},                                                              u"Cell C"_s},
        {u"Spain"_s,          {u"Amena"_s, u"Movistar"_s, u"Vodafone"_s},                                                         u"Amena"_s},
        {u"Sweden"_s,         {u"Tele2"_s, u"Telia"_s, u"Telenor"_s, u"Tre"_s, u"Vodafone"_s},                                    u"Tele2"_s},
        {u"Turkey"_s,         {u"Avea"_s, u"Telsim"_s, u"Turkcell"_s},                                                            u"Avea"_s},
        {u"Ukraine"_s,        {u"Kyivstar"_s, u"Life"_s, u"UMC"_s},                                                               u"Kyivstar"_s},
        {u"United Kingdom"_s, {u"BT"_s, u"O2"_s, u"Orange"_s, u"Tesco"_s, u"Three"_s, u"T-Mobile"_s, u"Virgin"_s, u"Vodafone"_s}, u"BT"_s},
        {u"United States"_s,  {u"AT&T Wireless"_s, u"Cingular"_s, u"T-Mobile"_s, u"Orange"_s},                                    u"AT&T Wireless"_s},
    };
    // clang-format on
    return table;
}

template<> const CountryTable &countryTable<SmtpSettings>()
{
    // clang-format off
    static const CountryTable table = {
        {u"Australia"_s,      {u"Optus"_s, u"Telstra"_s, u"Three"_s, u"Vodafone"_s},                                                     u"Optus"_s},
        {u"Austria"_s,        {u"Drei"_s, u"MobilKom"_s, u"One"_s, u"Tele Ring"_s, u"T-Mobile"_s},                                       u"Drei"_s},
        {u"Brazil"_s,         {u"Brazil Telecom"_s, u"Claro"_s, u"Oi"_s, u"TIM"_s},                                                      u"Brazil Telecom"_s},
        {u"Bulgaria"_s,       {u"Globul"_s, u"Mtel"_s},                                                                                  u"Globul"_s},
        {u"Canada"_s,         {u"Bell"_s, u"Fido"_s, u"Koodo"_s, u"Roger"_s, u"Telus"_s},                                                u"Koodo"_s},
        {u"China"_s,          {u"China Mobile"_s, u"China Unicom"_s},                                                                    u"China Mobile"_s},
        {u"Croatia"_s,        {u"VIPNet"_s},                                                                                             u"VIPNet"_s},
        {u"Czech Republic"_s, {u"T-Mobile"_s, u"Vodafone"_s},                                                                            u"T-Mobile"_s},
        {u"Denmark"_s,        {u"Sonofon"_s, u"Tele Denmark"_s, u"Telia"_s, u"Tre"_s},                                                   u"Sonofon"_s},
        {u"Egypt"_s,          {u"MobilNil"_s, u"Vodafone"_s},                                                                            u"MobilNil"_s},
        {u"Estonia"_s,        {u"Elisa"_s, u"EMT"_s, u"Tele 2"_s},                                                                       u"Elisa"_s},
        {u"Finland"_s,        {u"Dna"_s, u"Alands"_s, u"Elisa"_s, u"Go Mobile"_s, u"PGFree"_s, u"Sonera"_s},                             u"Dna"_s},
        {u"France"_s,         {u"Orange"_s, u"Bouygues"_s, u"SFR (forfait bloqué)"_s, u"SFR (forfait illimité)"_s, u"Free"_s},           u"Orange"_s},
        {u"Germany"_s,        {u"O2(Prepaid)"_s, u"O2(Vertrag)"_s, u"T-Mobile(Prepaid)"_s, u"T-Mobile"_s, u"Vodafone"_s, u"netzclub"_s}, u"T-Mobile"_s},
        {u"Greece"_s,         {u"Cosmote"_s, u"Q-Telecom"_s, u"TIM"_s, u"Vodafone"_s},                                                   u"Cosmote"_s},
        {u"Hungary"_s,        {u"PannonGSM"_s, u"T-Mobile"_s, u"Vodafone"_s},                                                            u"PannonGSM"_s},
        {u"India"_s,          {u"Airtel"_s, u"BPL"_s, u"CellOne"_s, u"Hutch"_s},                                                         u"Airtel"_s},
        {u"Ireland"_s,        {u"Vodafone"_s},                                                                                           u"Vodafone"_s},
        {u"Italy"_s,          {u"TIM"_s, u"Tre"_s, u"Vodafone"_s, u"Wind"_s},                                                            u"TIM"_s},
        {u"Lithuania"_s,      {u"Omnitel"_s},                                                                                            u"Omnitel"_s},
        {u"Netherlands"_s,    {u"KPN"_s, u"Orange"_s, u"Telfort"_s, u"T-Mobile"_s, u"Vodafone"_s},                                       u"KPN"_s},
        {u"New Zealand"_s,    {u"Vodafone"_s},                                                                                           u"Vodafone"_s},
        {u"Norway"_s,         {u"Netcom"_s, u"Telenor"_s},                                                                               u"Netcom"_s},
        {u"Poland"_s,         {u"ERA"_s, u"Heyah"_s, u"Idea"_s, u"Orange"_s, u"Plus"_s, u"Sami"_s},                                      u"ERA"_s},
        {u"Portugal"_s,       {u"Optimus"_s, u"TMN"_s, u"Vodafone"_s},                                                                   u"Optimus"_s},
        {u"Romania"_s,        {u"Connex-Vodafone"_s, u"Orange"_s},                                                                       u"Connex-Vodafone"_s},
        {u"Russia"_s,         {u"Beeline"_s, u"Megafon"_s, u"MTS"_s, u"TELE2"_s, u"YOTA"_s},                                             QString()},
        {u"Slovakia"_s,       {u"O2"_s, u"T-Mobile"_s, u"Orange"_s},                                                                     u"T-Mobile"_s},
        {u"South Africa"_s,   {u"Cell C"_s, u"MTN"_s, u"VodaCom"_s},                                                                     u"Cell C"_s},
        {u"Spain"_s,          {u"Amena"_s, u"Movistar"_s, u"Vodafone"_s},                                                                u"Amena"_s},
        {u"Sweden"_s,         {u"Tele2"_s, u"Telia"_s, u"Telenor"_s, u"Tre"_s, u"Vodafone"_s},                                           u"Tele2"_s},
        {u"Turkey"_s,         {u"Avea"_s, u"Telsim"_s, u"Turkcell"_s},                                                                   u"Avea"_s},
        {u"Ukraine"_s,        {u"Kyivstar"_s, u"Life"_s, u"UMC"_s},                                                                      u"Kyivstar"_s},
        {u"United Kingdom"_s, {u"BT"_s, u"O2"_s, u"Orange"_s, u"Tesco"_s, u"Three"_s, u"T-Mobile"_s, u"Virgin"_s, u"Vodafone"_s},        u"BT"_s},
        {u"United States"_s,  {u"AT&T Wireless"_s, u"Cingular"_s, u"T-Mobile"_s, u"Orange"_s},                                           u"AT&T Wireless"_s},
    };
    // clang-format on
    return table;
}
