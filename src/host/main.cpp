// grosiwo: the host program of the planner module. See grosiwo --help.
#include "host/ProgramGrosiwo.h"

int main(int argc, char** argv)
{
    return TProgramGrosiwo(argc, argv).Uruchom();
}
