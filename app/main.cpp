#include "Application.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    Application application(argc, argv);
    return RunProgram();
}
