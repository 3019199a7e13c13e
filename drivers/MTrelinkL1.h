#pragma once

// The C interface of the simulated bus-driver library libMTrelinkL1.so. The tool reaches it
// only through dlopen/dlsym; this header gives the exact signatures to both sides.

#include <cstdint>

#define MTRELINK_EXPORT __attribute__((visibility("default")))

extern "C" {

// Names the configuration file that every later call reads. Nonzero: the file cannot be read.
MTRELINK_EXPORT std::int32_t SetXMLFile(const char* fileName);
// Opens a connection to the adapter of hardware entry hardwareNumber (1-based); *handle > 0 on
// success and 0 on failure.
MTRELINK_EXPORT std::int32_t ConnectDiagnosis(std::int32_t hardwareNumber, std::int32_t* handle);
MTRELINK_EXPORT std::int32_t Disconnect(std::int32_t handle);
// On success *buffer holds *count node addresses, one byte each; hand it back with Delete.
MTRELINK_EXPORT std::int32_t ScanBus(std::int32_t handle, std::uint8_t* count,
                                     std::uint8_t** buffer);
MTRELINK_EXPORT std::int32_t Delete(std::uint8_t* buffer);
// Gives the adapter of hardware entry hardwareNumber a new device number; *value (may be null)
// receives the old one.
MTRELINK_EXPORT std::int32_t SetHardwareID(std::int32_t hardwareNumber,
                                           std::int32_t newDeviceNumber, std::int32_t* value);
MTRELINK_EXPORT std::int32_t SaveProprietaryConfiguration(void);

// The rest of the driver interface; the simulation answers each with "not supported".
MTRELINK_EXPORT std::int32_t Connect(std::int32_t hardwareNumber, std::int32_t* handle);
MTRELINK_EXPORT std::int32_t Reset(std::int32_t handle);
MTRELINK_EXPORT std::int32_t ReadIndex(std::int32_t handle, std::uint8_t node, std::uint16_t index,
                                       std::uint8_t subIndex, std::uint8_t* data,
                                       std::uint32_t* length);
MTRELINK_EXPORT std::int32_t WriteIndex(std::int32_t handle, std::uint8_t node, std::uint16_t index,
                                        std::uint8_t subIndex, const std::uint8_t* data,
                                        std::uint32_t length);
MTRELINK_EXPORT std::int32_t SendPDO(std::int32_t handle, std::uint32_t identifier,
                                     const std::uint8_t* data, std::uint8_t length);
MTRELINK_EXPORT std::int32_t SetMsgFilter(std::int32_t handle, std::uint32_t identifier,
                                          std::uint32_t mask);
MTRELINK_EXPORT std::int32_t GetErrorText(std::int32_t code, std::int32_t capacity, char* buffer);
MTRELINK_EXPORT std::int32_t SetLanguage(std::int32_t language);
MTRELINK_EXPORT std::int32_t GetParameterChannel(std::int32_t handle, std::uint8_t node,
                                                 std::int32_t* channel);

}  // extern "C"
