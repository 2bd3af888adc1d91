#include "kit/vendrelconstants.h"
#include "kit/vendrelexport.h"

// Lets a program of the suite find out which editor library it has loaded.
extern "C" VENDREL_EXPORT const char* vendrelModuleVersion()
{
    return VendrelConstants::SoftwareVersion;
}
