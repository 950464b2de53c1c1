#include "KeypadRecord.h"

namespace Vel::Sample {

CKeypadRecord::CKeypadRecord(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Keypad"), m_Name(this, "Keypad.Name"),
      m_Area(this, "Keypad.Area"), m_Volume(this, "Keypad.Volume"),
      m_Backlight(this, "Keypad.Backlight") {}

} // namespace Vel::Sample
