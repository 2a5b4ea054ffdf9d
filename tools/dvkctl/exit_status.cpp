#include "tools/dvkctl/exit_status.h"

namespace dvkctl {

const char* exit_status_help() {
  return "Exit statuses:\n"
         "  0  success\n"
         "  1  bad arguments (a usage message follows)\n"
         "  2  the plug-in library cannot be loaded or lacks one of its functions\n"
         "  3  no answer: the printer did not answer within the time-out and retries (-203)\n"
         "  4  the device set-up refused the printer: not the supported model, or an address\n"
         "     of another transport (-2)\n"
         "  5  any other negative answer of the plug-in (its code and meaning are printed)\n";
}

}  // namespace dvkctl
