#include "board/estado.h"

namespace novenario {

std::string Trim(const std::string& s) {
    std::size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
    return s.substr(a, b - a);
}

VariablesMotor::VariablesMotor() {
    for (Control* p : {&PNumero, &PPanel, &PPosicion, &PBorro}) {
        p->Caption = "00";
        p->Visible = false;
    }
}

}  // namespace novenario
