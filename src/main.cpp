#include "shell/aviso_terminacion.h"
#include "shell/programa.h"

int main(int argc, char** argv)
{
    veluma::AvisoTerminacion::instalarManejadores();
    veluma::Programa programa(argc, argv);
    return programa.Main();
}
