#pragma once
// The request/response engine: sends one CAL request, waits with the queue
// running, and picks the matching reply out of the received lines.

#include <string>
#include <string_view>

namespace zelvo {

class Traffic;

// The matching reply (routing header removed when one is expected), or "".
std::string SendCALGetResponse(Traffic& t, std::string_view Command, std::string_view ResponseFormat, int Retries,
                               int Delay);
// The reliability test's variant: one attempt, "8901*", two seconds.
std::string QTestSendCALGetResponse(Traffic& t, std::string_view Command);
// One byte of a unit parameter; a missing reply reads 0.
int RecallParameterByte(Traffic& t, std::string_view Header, int Parameter);

// Identification getters ("" when there is no reply, or when the remote
// network path is invalid and nothing was sent).
std::string GetPCIVersion(Traffic& t, std::string_view Header);
std::string GetUnitType(Traffic& t, int UnitAddress);
std::string ReadUnitType(Traffic& t);
std::string GetUnitFirmware(Traffic& t, int UnitAddress);
std::string GetUnitVoltage(Traffic& t, int UnitAddress);
// `attributeCode`: two hex digits of the identify attribute ("00" if unknown).
std::string GetUnitCAL(Traffic& t, int UnitAddress, std::string_view attributeCode);

// The interface mode commands of the control button panel.
void SetBasicMode(Traffic& t);
void SetSmartMode(Traffic& t);
void SetDefaultMode(Traffic& t);

}  // namespace zelvo
