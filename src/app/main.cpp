// tallyfox: verifies files against .sfv and .md5 checksum lists. An optional list path
// on the command line is opened and verified as soon as the window is on screen.

#include "tallyfoxapp.h"

int main(int argc, char** argv)
{
    TallyfoxApp app(argc, argv);
    return app.InitInstance();
}
