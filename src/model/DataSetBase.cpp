#include <vel/DataSetBase.h>

namespace Vel {

CDataSetBase::CDataSetBase(CDataValidationClient* pParent, const CString& sDataKey)
    : CData(pParent, sDataKey) {}

CDataSetBase::~CDataSetBase() = default;

std::uint16_t CDataSetBase::GetBitmapInWord(int) const {
    return 0;
}

void CDataSetBase::SetBitmapInWord(std::uint16_t, int) {}

template <typename Unit> std::vector<Unit> CDataSetBase::PackBits(const CBitList& bits) {
    constexpr std::size_t width = sizeof(Unit) * 8;
    std::vector<Unit> units((bits.size() + width - 1) / width, Unit{0});
    for (std::size_t position = 0; position < bits.size(); ++position) {
        if (bits[position]) {
            units[position / width] |= static_cast<Unit>(Unit{1} << (position % width));
        }
    }
    return units;
}

template <typename Unit>
CBitList CDataSetBase::UnpackBits(const std::vector<Unit>& units, std::size_t count) {
    constexpr std::size_t width = sizeof(Unit) * 8;
    CBitList bits(count, false);
    for (std::size_t position = 0; position < count && position / width < units.size();
         ++position) {
        bits[position] = ((units[position / width] >> (position % width)) & 1U) != 0;
    }
    return bits;
}

template VEL_API CByteList CDataSetBase::PackBits<std::uint8_t>(const CBitList&);
template VEL_API CWordList CDataSetBase::PackBits<std::uint16_t>(const CBitList&);
template VEL_API CDWordList CDataSetBase::PackBits<std::uint32_t>(const CBitList&);
template VEL_API CBitList CDataSetBase::UnpackBits<std::uint8_t>(const CByteList&, std::size_t);
template VEL_API CBitList CDataSetBase::UnpackBits<std::uint16_t>(const CWordList&, std::size_t);
template VEL_API CBitList CDataSetBase::UnpackBits<std::uint32_t>(const CDWordList&, std::size_t);

} // namespace Vel
