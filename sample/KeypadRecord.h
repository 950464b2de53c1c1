// CKeypadRecord: one keypad of the panel, an element of the keypad collection.
#pragma once

#include "AreaChoice.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CKeypadRecord : public CDataContainerBase {
public:
    explicit CKeypadRecord(CDataValidationClient* pParent);

    CDataString m_Name;
    CAreaChoice m_Area;
    CDataNumber m_Volume;
    CDataIntChoice m_Backlight;
};

} // namespace Vel::Sample
