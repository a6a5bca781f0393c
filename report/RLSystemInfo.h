#pragma once
// A label whose text the engine computes: page number, last page number, dates.
#include "report/RLLabel.h"

namespace luvenor {

enum class TRLInfoType {
    itDate,
    itFullDate,
    itHour,
    itNow,
    itPageNumber,
    itLastPageNumber,
    itTitle,
    itDetailCount
};

// The caption built from a frame text: `frame` up to its first "|", with its first "#" replaced by
// `value` (or `value` appended when there is none); a value holding "^CLEAR" gives nothing.
std::string MontarTextoDoCampo(const std::string& frame, const std::string& value);

class TRLCustomSystemInfo : public TRLCustomLabel {
public:
    using TRLCustomLabel::TRLCustomLabel;

    TRLInfoType Info = TRLInfoType::itDate;
    std::string Text;

protected:
    std::string CurrentText() const override;

private:
    std::string Value() const;
};

class TRLSystemInfo : public TRLCustomSystemInfo {
public:
    using TRLCustomSystemInfo::TRLCustomSystemInfo;
};

}  // namespace luvenor
