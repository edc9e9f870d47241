#pragma once
// One further table row of a person page as the page writes it (LF line ends), for the page
// fragments the person page tests look for.
#include <string>

namespace gdk::test {

inline std::string Rij(const std::string& label, const std::string& waarde) {
    return "         <TR>\n"
           "            <TD ALIGN=\"right\">\n"
           "               " +
           label +
           "\n"
           "            </TD>\n"
           "            <TD ALIGN=\"center\"></TD>\n"
           "            <TD ALIGN=\"left\">\n"
           "               " +
           waarde +
           "\n"
           "            </TD>\n"
           "         </TR>\n";
}

} // namespace gdk::test
