// CDataSetBase: the bitmap interface of set items, which hold a subset of a fixed list of
// possible members. Bit n of every bitmap stands for the n-th possible member, least
// significant bit first within units of 8, 16 or 32 bits; the last unit is padded with
// zeros. CDataSet<T> implements it.
#pragma once

#include <vel/Data.h>
#include <vel/Export.h>
#include <vel/String.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Vel {

using CBitList = std::vector<bool>;
using CByteList = std::vector<std::uint8_t>;
using CWordList = std::vector<std::uint16_t>;
using CDWordList = std::vector<std::uint32_t>;

class VEL_API CDataSetBase : public CData {
public:
    CDataSetBase(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataSetBase() override;

    int GetType() const override = 0;

    // One flag per possible member, in list order.
    virtual CBitList GetBitmapInBite() const = 0;
    virtual CByteList GetBitmapInByte() const = 0;
    // Unit `index` of the 16-bit form alone; 0 here.
    virtual std::uint16_t GetBitmapInWord(int index) const;
    virtual CWordList GetBitmapInWord() const = 0;
    virtual CDWordList GetBitmapInDWord() const = 0;
    virtual void SetBitmapInBite(const CBitList& bits) = 0;
    virtual void SetBitmapInByte(const CByteList& units) = 0;
    // Changes only the members of unit `index`; nothing here.
    virtual void SetBitmapInWord(std::uint16_t word, int index);
    virtual void SetBitmapInWord(const CWordList& units) = 0;
    virtual void SetBitmapInDWord(const CDWordList& units) = 0;
    // The first 32 possible members as one unit.
    virtual void SetValue(std::uint32_t mask) = 0;
    virtual std::uint32_t GetValue() const = 0;

protected:
    // Packs flags into as few units as hold them all.
    template <typename Unit> static std::vector<Unit> PackBits(const CBitList& bits);
    // `count` flags from units; bits of missing units read as clear.
    template <typename Unit>
    static CBitList UnpackBits(const std::vector<Unit>& units, std::size_t count);
};

} // namespace Vel
