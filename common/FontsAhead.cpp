#include "FontsAhead.h"

#include <clocale>
#include <fontconfig/fontconfig.h>

namespace puzzles {

std::jthread ReadFontConfigAhead() {
    return std::jthread([] {
        // The configuration's numbers are read under a locale of the thread's own,
        // so the QApplication setting the program's locale meanwhile cannot touch it.
        const locale_t own = newlocale(LC_ALL_MASK, "", nullptr);
        if (own) uselocale(own);
        FcInit();
        if (own) {
            uselocale(LC_GLOBAL_LOCALE);
            freelocale(own);
        }
    });
}

} // namespace puzzles
