#pragma once
// The multi-line memo: its lines wrap at its width; an auto-sized memo grows its band.
#include "report/RLControl.h"

#include <string>
#include <vector>

namespace luvenor {

class TRLCustomMultiLine : public TRLCustomControl {
public:
    explicit TRLCustomMultiLine(std::string name);

    bool WordWrap = true;
    bool IntegralHeight = false;  // kept; it changes nothing
    TRLBeforeTextEvent BeforePrint;

    // The lines joined, each followed by CR LF.
    std::string Text() const;
    // Replaces the lines with a text split at CR LF, CR or LF; sizes the memo.
    void SetText(const std::string& text);

    bool Prepare() override;
    void AdjustSize() override;
    void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY) override;

protected:
    // The two slots of the lines, as for captions: design and preparing.
    const std::vector<std::string>& CurrentLines() const;
    void SetLines(std::vector<std::string> lines);

private:
    std::vector<std::string> designLines_;
    std::vector<std::string> printLines_;
};

class TRLCustomMemo : public TRLCustomMultiLine {
public:
    using TRLCustomMultiLine::TRLCustomMultiLine;

    const std::vector<std::string>& Lines() const { return CurrentLines(); }
    void ClearLines() { SetLines({}); }
    // All lines at once, laid out once.
    void ReplaceLines(std::vector<std::string> lines) { SetLines(std::move(lines)); }
    void AddLine(const std::string& line);
};

class TRLMemo : public TRLCustomMemo {
public:
    using TRLCustomMemo::TRLCustomMemo;
};

}  // namespace luvenor
