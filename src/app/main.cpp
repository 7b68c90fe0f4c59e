#include "ui/session/Startup.h"

int main(int argc, char *argv[])
{
    return RunLumisto(argc, argv);
}
