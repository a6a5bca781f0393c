#pragma once
// The report: page setup, master data source and the prepared pages. PreparePages turns the
// definition into pages in the store.
#include "report/RLGraphics.h"
#include "report/RLPager.h"

#include <QDateTime>
#include <memory>
#include <string>

namespace luvenor {

class TRLProgress;

enum class TRLPaperSize { fpA0, fpA1, fpA2, fpA3, fpA4, fpA5, fpA6, fpLetter, fpLegal, fpCustom };
enum class TRLPageOrientation { poPortrait, poLandscape };

struct TRLPageSetup {
    TRLPaperSize PaperSize = TRLPaperSize::fpA4;
    TRLPageOrientation Orientation = TRLPageOrientation::poPortrait;
    // Millimetres of the paper for fpCustom; the others have their own sizes.
    double PaperWidth = 210.0;
    double PaperHeight = 297.0;
    // The paper's own size in millimetres, not swapped by the orientation.
    double PaperWidthMm() const;
    double PaperHeightMm() const;
};

enum class TRLReportState { rsIdle, rsPreparing, rsClosing, rsReady };

class TRLCustomReport : public TRLCustomSkipper {
public:
    explicit TRLCustomReport(std::string name);
    ~TRLCustomReport() override;

    TRLPageSetup PageSetup;
    bool PrintDialog = true;
    bool PrintEmpty = true;
    bool ShowProgress = true;
    bool ForcePrepare = true;
    int FirstPageNumber = 1;
    std::string Title;
    std::string JobTitle;
    // The name of the form that owns the report (it completes the default job title).
    std::string FormName;
    TRLBeforePrintEvent BeforePrint;
    // Paper on a roll: each page is cut just below its last band, so a page is as tall as its
    // content and the page setup's height is only the most one page may take.
    bool ContinuousPaper = false;

    // Where progress goes and where a cancel comes from; none: no progress, no cancel.
    TRLProgress* Progress = nullptr;

    // Width and height follow the page setup; called by the constructor and every preparation.
    void ApplyPageSetup();

    bool PreparePages();

    TRLReportState State() const { return state_; }
    bool Preparing() const {
        return state_ == TRLReportState::rsPreparing || state_ == TRLReportState::rsClosing;
    }
    // The cancel flag, raised by Cancel or by the progress observer.
    bool Cancelled() const;
    void Cancel() { cancelled_ = true; }
    int PageIndex() const { return pageIndex_; }
    int PageNumber() const { return pageNumber_; }
    const QDateTime& PrepareDateTime() const { return prepareDateTime_; }
    // A new number for each control print; drawing objects of one print share it.
    int NextGroupId() { return ++groupId_; }

    TRLGraphicStorage& Pages() { return *pages_; }
    const TRLGraphicStorage& Pages() const { return *pages_; }

protected:
    void PositionPager() override;
    void StartingPage() override;
    void FlushPage() override;

private:
    bool RunPreparation();
    void RecordLoop(TRLProgress& bar);
    void StoreMacros();
    void ReportError(const std::exception& error);

    TRLReportState state_ = TRLReportState::rsIdle;
    bool cancelled_ = false;
    int pageIndex_ = -1;
    int pageNumber_ = 0;
    int groupId_ = 0;
    int cutHeight_ = 0;  // of the last page cut from the roll, design pixels
    QDateTime prepareDateTime_;
    std::unique_ptr<TRLGraphicStorage> pages_;
};

class TRLReport : public TRLCustomReport {
public:
    using TRLCustomReport::TRLCustomReport;
};

}  // namespace luvenor
