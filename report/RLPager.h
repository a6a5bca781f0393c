#pragma once
// Pagers stack bands down pages and break pages: the report and the sub-detail. Every pager keeps
// its sorted band lists and its print state; the report above all of them owns the page store.
#include "report/RLBand.h"
#include "report/RLGraphics.h"

#include <array>
#include <memory>

namespace luvenor {

class TRLDataTable;

enum class TRLRecordRange { rrAllRecords };

class TRLCustomPager : public TRLCustomBandSet {
public:
    using TRLCustomBandSet::TRLCustomBandSet;

    TRLCustomPager* OuterPager() const { return ParentPager(); }
    TRLSortedBands& SortedBands() { return sorted_; }

    // Sorts this pager's bands and sub-details into its lists, and the sub-details' own bands.
    void SortBands();
    // Start of this pager's work in a preparation: flags, counters, the first row.
    virtual void BeginPager();

    // Opens this pager's page if it has none, after the outer pager's (headers print).
    void EnsurePageOpen();
    bool PageOpen() const { return pageOpen_; }
    // Finishes the current page: column footers, summaries at the end of data, footers, copy out.
    void ClosePage();
    // Page break asked by `band`; `keep` carries an open surface along instead of closing it.
    void NewPage(TRLCustomControl* band, bool keep);

    // Where bands may end on this page, in this pager's coordinates, for a band of `type`.
    int BottomLimit(TRLBandType type) const;
    int FreeSpace(TRLBandType type) const { return BottomLimit(type) - currentRow_; }
    // The room a band of `type` would have on a new page, below the bands that open it.
    int RoomOnNewPage(TRLBandType type) const;
    // Puts a band's prepared surface at the current row, splitting or breaking pages as needed.
    void PlaceBand(TRLCustomBand& band, const TRLGraphicSurface& surface);
    // Prints one sorted list (bands CarbonCopies times, sub-details whole).
    void PrintList(TRLBandType type);
    void DetailPass() { PrintList(TRLBandType::btDetail); }

    // Counting after a band has been placed.
    void CountBand(const TRLCustomBand& band);

    int CurrentRow() const { return currentRow_; }
    // An inner pager's finished page takes this much room below the current row.
    void AdvanceRow(int height) { currentRow_ += height; }
    const TRLRect& PrintRect() const { return printRect_; }
    int DetailCount() const { return detailCount_; }
    int DetailsOnPage() const { return detailsOnPage_; }
    int DataBandsOnPage() const { return dataBandsOnPage_; }
    // The offset of this pager's print rectangle from the top of the page.
    int OffsetFromPageTop() const;
    // The visible bands of `type` in this pager, summed.
    int VisibleHeight(TRLBandType type) const;
    // The bands of `type` that will print on the next page this pager opens, summed.
    int HeightOnNewPage(TRLBandType type) const;
    TRLGraphicSurface& Surface();

protected:
    // The first row of the client area and the pager's place at the opening of a page.
    virtual int ClientTop() const { return TopInset(); }
    virtual void PositionPager();
    // Hook run as the pager's page opens, before anything prints on it.
    virtual void StartingPage() {}
    // Prints headers, title and column headers on a freshly opened page.
    void OpenPage();
    // Copies the finished page surface out: onto the outer pager, or into the store.
    virtual void FlushPage() = 0;
    // Whether the pager's data has ended (summaries print at the close).
    bool dataEnded_ = false;
    // Aligning a summary band to the bottom: may start a new page.
    void AlignBandToBottom(TRLCustomBand& band, int height);
    // Whether a page break caused by a band of this pager keeps the open surface.
    bool KeepOnBreak() const { return dataBandsOnPage_ == 0; }

    TRLSortedBands sorted_;
    TRLRect printRect_;
    int currentRow_ = 0;
    int rowAfterOpen_ = 0;  // the row below the bands that opened the page
    int detailsOnPage_ = 0;
    int dataBandsOnPage_ = 0;
    int detailCount_ = 0;
    TRLCustomControl* breakingBand_ = nullptr;
    bool pageOpen_ = false;
    std::unique_ptr<TRLGraphicSurface> surface_;

private:
    friend class TRLCustomBand;
    void PrintEntry(TRLCustomControl& entry);
    int BreakRow(const TRLGraphicSurface& surface, int printed, int free) const;
    // Copies the band's rows [from, to) at the current row, as a part when not whole; returns the
    // rows it took.
    int CopyPart(const TRLCustomBand& band, const TRLGraphicSurface& surface, int from, int to, bool whole);
    void ClearPageCounters();
    // Nothing but the opening bands on this page and the pages around it: a new sheet would not
    // give a band more room.
    bool PageAsEmptyAsNew() const;

    // Lists being printed, so a break inside one does not print its earlier entries twice.
    std::array<bool, kTiposDeBanda> listInProgress_{};
};

class TRLCustomSkipper : public TRLCustomPager {
public:
    using TRLCustomPager::TRLCustomPager;

    TRLDataTable* DataSource = nullptr;
    TRLRecordRange RecordRange = TRLRecordRange::rrAllRecords;

    // A missing or inactive table has no records.
    bool DataActive() const;
};

class TRLCustomSubDetail : public TRLCustomSkipper {
public:
    using TRLCustomSkipper::TRLCustomSkipper;

    TRLBandType Positioning = TRLBandType::btDetail;
    bool IntegralHeight = false;
    TRLBeforePrintEvent BeforePrint;

    // Prints the sub-detail as an entry of its outer pager's list: all its rows, then its end.
    void Print();

protected:
    int ClientTop() const override { return TopInset(); }
    void PositionPager() override;
    void FlushPage() override;
};

class TRLSubDetail : public TRLCustomSubDetail {
public:
    using TRLCustomSubDetail::TRLCustomSubDetail;
};

}  // namespace luvenor
