#pragma once

#include "drivers/MTrelinkL1.h"
#include "tests/drivers/LoadedLibrary.h"

namespace trelink::test {

// The entry points the tool calls, resolved from a freshly loaded libMTrelinkL1.so.
struct BusDriverApi {
    LoadedLibrary library{"libMTrelinkL1.so"};
    decltype(&::SetXMLFile) setXmlFile = library.Get<decltype(::SetXMLFile)>("SetXMLFile");
    decltype(&::ConnectDiagnosis) connectDiagnosis =
        library.Get<decltype(::ConnectDiagnosis)>("ConnectDiagnosis");
    decltype(&::Disconnect) disconnect = library.Get<decltype(::Disconnect)>("Disconnect");
    decltype(&::ScanBus) scanBus = library.Get<decltype(::ScanBus)>("ScanBus");
    decltype(&::Delete) deleteBuffer = library.Get<decltype(::Delete)>("Delete");
    decltype(&::SetHardwareID) setHardwareId =
        library.Get<decltype(::SetHardwareID)>("SetHardwareID");
    decltype(&::SaveProprietaryConfiguration) saveProprietaryConfiguration =
        library.Get<decltype(::SaveProprietaryConfiguration)>("SaveProprietaryConfiguration");
};

}  // namespace trelink::test
