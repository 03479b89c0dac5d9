// Built into startup_brakka together with the program's own main(): the
// program ends after its main window's first paint. With
// BRAKKA_PRINT_CENSUS set it first prints the window's census of controls.

#include "controlCensus.h"

#include <QCoreApplication>

namespace {

void InstallFirstPaintExit() { ExitAfterFirstPaint(qEnvironmentVariableIsSet("BRAKKA_PRINT_CENSUS")); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintExit)
