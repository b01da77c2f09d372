#include "message_inserts.h"

namespace qennet {

std::string FillFirstInsert(std::string_view text, std::string_view name) {
    std::string result;
    result.reserve(text.size() + name.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool escape = c == '%' && i + 1 < text.size();
        if (escape && text[i + 1] == '%') {
            result += '%';
            ++i;
        } else if (escape && text[i + 1] == '1' &&
                   (i + 2 >= text.size() || text[i + 2] < '0' || text[i + 2] > '9')) {
            result += name;
            i += 1;
            // "%1!s!": the format between exclamation marks goes with the insert.
            if (i + 1 < text.size() && text[i + 1] == '!') {
                const std::size_t close = text.find('!', i + 2);
                if (close != std::string_view::npos) {
                    i = close;
                }
            }
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace qennet
