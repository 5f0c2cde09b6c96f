#include "shell/program_state.h"

namespace shell {

ProgramState& State() {
    static ProgramState state;
    return state;
}

}  // namespace shell
