#include "app/startup.h"

int main(int argc, char** argv)
{
    return flickerbox_main(argc, argv);
}
