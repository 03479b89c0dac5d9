#include "venues/webLinks.h"

namespace {

struct TWebLink {
  int tag;
  const char *address;  // nullptr: the item is disabled and opens nothing
};

const TWebLink WebLinks[] = {
  {50, "http://www.fifa.com/"},
  {51, "http://www.fifa.com/brakka2002/"},
  {52, "http://www.fifa.com/brakka2002/regulations.html"},
  {53, "http://www.korea-brakka2002.or.kr/"},
  {54, "http://www.japan-brakka2002.or.jp/"},
  {1, nullptr},                                     // Argentina
  {2, "http://www.footbel.com/"},                   // Belgium
  {3, "http://www.cbf.com.br/"},                    // Brazil
  {4, nullptr},                                     // Cameroon
  {5, nullptr},                                     // China
  {6, "http://www.fedefutbol.com/"},                // Costa Rica
  {7, nullptr},                                     // Croatia
  {8, "http://www.dbu.dk/landsholdet/brakka2002/"}, // Denmark: its team at the tournament
  {9, nullptr},                                     // Ecuador
  {10, nullptr},                                    // England
  {11, "http://www.fff.fr/"},                       // France
  {12, nullptr},                                    // Germany
  {13, "http://www.fai.ie/"},                       // Ireland
  {14, nullptr},                                    // Italy
  {15, nullptr},                                    // Japan
  {16, nullptr},                                    // Mexico
  {17, nullptr},                                    // Nigeria
  {18, "http://www.apf.org.py/"},                   // Paraguay
  {19, nullptr},                                    // Poland
  {20, "http://www.fpf.pt/"},                       // Portugal
  {21, "http://www.rfs.ru/"},                       // Russia
  {22, nullptr},                                    // Saudi Arabia
  {23, nullptr},                                    // Senegal
  {24, nullptr},                                    // Slovenia
  {25, "http://www.safa.net/"},                     // South Africa
  {26, "http://www.kfa.or.kr/"},                    // South Korea
  {27, "http://www.rfef.es/"},                      // Spain
  {28, "http://www.svenskfotboll.se/"},             // Sweden
  {29, "http://www.ftf.org.tn/"},                   // Tunisia
  {30, "http://www.tff.org/"},                      // Turkey
  {31, nullptr},                                    // Uruguay
  {32, "http://www.ussoccer.com/"},                 // USA
};

}  // namespace

QString WebLinkAddress(int tag)
{
  for (const TWebLink &link : WebLinks)
    if (link.tag == tag)
      return link.address ? QString::fromLatin1(link.address) : QString();
  return QString();
}
