// Commands whose work is not in the game yet: they are in the window, answer
// their clicks, and change nothing.
#include "board/ordenes.h"

namespace novenario {


}  // namespace novenario
