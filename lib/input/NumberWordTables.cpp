#include "NumberWordTables.h"

namespace kx {

// Persian words are written with yeh U+064A and keheh U+06A9.
const NumberLanguage kPersianWords = {
    L"منفي",
    L" و ",
    L" و ",
    {L"صفر", L"يک", L"دو", L"سه", L"چهار", L"پنج", L"شش", L"هفت", L"هشت", L"نه", L"ده", L"يازده", L"دوازده",
     L"سيزده", L"چهارده", L"پانزده", L"شانزده", L"هفده", L"هجده", L"نوزده"},
    {L"", L"ده", L"بيست", L"سي", L"چهل", L"پنجاه", L"شصت", L"هفتاد", L"هشتاد", L"نود"},
    {L"", L"صد", L"دويست", L"سيصد", L"چهارصد", L"پانصد", L"ششصد", L"هفتصد", L"هشتصد", L"نهصد"},
    {L"", L"هزار", L"ميليون", L"ميليارد", L"تريليارد"},
};

const NumberLanguage kEnglishWords = {
    L"Minus",
    L" ",
    L" and ",
    {L"zero", L"one", L"two", L"three", L"four", L"five", L"six", L"seven", L"eight", L"nine", L"ten", L"eleven",
     L"twelve", L"thirteen", L"fourteen", L"fifteen", L"sixteen", L"seventeen", L"eighteen", L"nineteen"},
    {L"", L"ten", L"twenty", L"thirty", L"forty", L"fifty", L"sixty", L"seventy", L"eighty", L"ninety"},
    {L"", L"one hun dred", L"two hun dred", L"three hun dered", L"fore hun dered", L"five hun dered",
     L"six hun dered", L"seven hun dered", L"eight hun dered", L"nine hun dered"},
    {L"", L"thousand", L"million", L"milliard", L"trilliard"},
};

const std::array<std::wstring_view, 14> kPersianPlaceWords = {
    L"دهم",       L"صدم",          L"هزارم",        L"ده هزارم",      L"صد هزارم",
    L"ميليونيم",  L"ده ميليونيم",  L"صد ميليونيم",  L"ميليارديم",     L"ده ميليارديم",
    L"صد ميليارديم", L"تريليارديم", L"ده تريليارديم", L"صد تريليارديم",
};

}  // namespace kx
