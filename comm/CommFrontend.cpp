#include "CommFrontend.h"

void CommFrontend::sendEmpty(uint8_t type)
{
    sendData(type, nullptr);
}

void CommFrontend::sendData(uint8_t type, const uint8_t *data)
{
    if (link)
        commLinkSendFrame(link, type, 0, data);
}

void CommFrontend::sendInverterResetCommand() { sendEmpty(CommFrame::InverterResetCommand); }
void CommFrontend::sendFactoryResetCommand() { sendEmpty(CommFrame::FactoryResetCommand); }
void CommFrontend::sendStoreOnEepromCommand() { sendEmpty(CommFrame::StoreOnEepromCommand); }
void CommFrontend::sendCurrentParametersetRequest() { sendEmpty(CommFrame::CurrentParametersetRequest); }
void CommFrontend::sendDeviceInfoRequest() { sendEmpty(CommFrame::DeviceInfoRequest); }
void CommFrontend::sendBootloaderResetCommand() { sendEmpty(CommFrame::BootloaderResetCommand); }
void CommFrontend::sendTime(const uint8_t *data) { sendData(CommFrame::SetTimeCommand, data); }
void CommFrontend::sendParameterRequestFrame(const uint8_t *data) { sendData(CommFrame::ParameterRequest, data); }
void CommFrontend::sendSetParameterFrame(const uint8_t *data) { sendData(CommFrame::SetParameterCommand, data); }
