#include "report/RLReport.h"

#include "report/RLDataTable.h"
#include "report/RLPrepErrors.h"
#include "report/RLProgress.h"
#include "report/RLTexts.h"
#include "util/Notificador.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace luvenor {
namespace {

struct TamanhoPapel {
    double largura;
    double altura;
};

TamanhoPapel MedidasDoPapel(TRLPaperSize papel) {
    switch (papel) {
        case TRLPaperSize::fpA0:
            return {841, 1189};
        case TRLPaperSize::fpA1:
            return {594, 841};
        case TRLPaperSize::fpA2:
            return {420, 594};
        case TRLPaperSize::fpA3:
            return {297, 420};
        case TRLPaperSize::fpA4:
            return {210, 297};
        case TRLPaperSize::fpA5:
            return {148, 210};
        case TRLPaperSize::fpA6:
            return {105, 148};
        case TRLPaperSize::fpLetter:
            return {215.9, 279.4};
        case TRLPaperSize::fpLegal:
            return {215.9, 355.6};
        case TRLPaperSize::fpCustom:
            break;
    }
    return {0, 0};
}

// Millimetres as the store's macros show them: Brazilian decimal comma, no needless zeros.
std::string TextoMilimetros(double mm) {
    const long centesimos = std::lround(mm * 100.0);
    std::string texto = std::to_string(centesimos / 100);
    const long resto = centesimos % 100;
    if (resto != 0) {
        std::string frac = (resto < 10 ? "0" : "") + std::to_string(resto);
        if (frac.back() == '0') frac.pop_back();
        texto += "," + frac;
    }
    return texto;
}

}  // namespace

double TRLPageSetup::PaperWidthMm() const {
    return PaperSize == TRLPaperSize::fpCustom ? PaperWidth : MedidasDoPapel(PaperSize).largura;
}

double TRLPageSetup::PaperHeightMm() const {
    return PaperSize == TRLPaperSize::fpCustom ? PaperHeight : MedidasDoPapel(PaperSize).altura;
}

TRLCustomReport::TRLCustomReport(std::string name)
    : TRLCustomSkipper(std::move(name)), pages_(std::make_unique<TRLGraphicStorage>()) {
    Margins = TRLMargins{10.0, 10.0, 10.0, 10.0};
    SetFont(FonteDoRelatorio());
    ApplyPageSetup();
}

TRLCustomReport::~TRLCustomReport() = default;

void TRLCustomReport::ApplyPageSetup() {
    int largura = MilimetrosParaPixels(PageSetup.PaperWidthMm());
    int altura = MilimetrosParaPixels(PageSetup.PaperHeightMm());
    if (PageSetup.Orientation == TRLPageOrientation::poLandscape) std::swap(largura, altura);
    SetBounds(0, 0, largura, altura);
}

void TRLCustomReport::PositionPager() {
    printRect_ = {0, 0, Width, Height};
}

void TRLCustomReport::StartingPage() {
    ++pageIndex_;
    ++pageNumber_;
}

void TRLCustomReport::FlushPage() {
    surface_->Macros().Set("PageNo", std::to_string(pageNumber_));
    surface_->Macros().Set("CompositeIndex", "0");
    if (ContinuousPaper) {
        cutHeight_ = std::clamp(currentRow_, 1, surface_->Height());
        surface_->SetSize(surface_->Width(), cutHeight_);
    }
    pages_->Add(std::move(*surface_));  // the pager drops the surface next
}

bool TRLCustomReport::Cancelled() const {
    return cancelled_ || (Progress && Progress->Cancelado());
}

bool TRLCustomReport::PreparePages() {
    pages_->Clear();
    state_ = TRLReportState::rsIdle;
    cancelled_ = false;
    pageIndex_ = -1;
    pageNumber_ = FirstPageNumber - 1;
    groupId_ = 0;
    cutHeight_ = 0;
    ApplyPageSetup();
    std::vector<TRLRect> salvos;
    SaveBounds(salvos);
    bool pronto = false;
    try {
        pronto = RunPreparation();
    } catch (const std::exception& e) {
        state_ = TRLReportState::rsIdle;
        ReportError(e);
    } catch (...) {
        state_ = TRLReportState::rsIdle;
        Notificar(Name() + ": " + LSTexto(TextoRL::ErroAoPreparar) + "\n(?)");
    }
    size_t pos = 0;
    RestoreBounds(salvos, pos);
    return pronto;
}

bool TRLCustomReport::RunPreparation() {
    state_ = TRLReportState::rsPreparing;
    prepareDateTime_ = QDateTime::currentDateTime();
    TRLProgress& barra = ShowProgress && Progress ? *Progress : ProgressoNulo();
    const TRLProgressoAberto aberto(barra, LSTexto(TextoRL::ImprimindoRelatorio));
    barra.DefinirPasso(LSTexto(TextoRL::PreparandoRelatorio));
    bool printIt = true;
    if (BeforePrint) BeforePrint(*this, printIt);
    if (!printIt) {
        state_ = TRLReportState::rsIdle;
        return false;
    }
    SortBands();
    BeginPager();
    if (DataActive()) {
        DataSource->First();
        barra.DefinirMaximo(DataSource->RecordCount());
        RecordLoop(barra);
    }
    if (PrintEmpty && detailCount_ == 0) EnsurePageOpen();
    state_ = TRLReportState::rsClosing;
    dataEnded_ = true;
    ClosePage();
    if (Cancelled()) {
        state_ = TRLReportState::rsIdle;
        return false;
    }
    if (AfterPrint) AfterPrint(*this);
    StoreMacros();
    state_ = TRLReportState::rsReady;
    return true;
}

void TRLCustomReport::RecordLoop(TRLProgress& barra) {
    while (!DataSource->Eof() && !Cancelled()) {
        const int antes = DataSource->RecNo();
        DetailPass();
        if (DataSource->Eof() || DataSource->RecNo() != antes) continue;  // the pass moved the table itself
        barra.Avancar();
        barra.DefinirPasso(PassoDaPagina(pageNumber_));
        DataSource->Next();
    }
}

void TRLCustomReport::StoreMacros() {
    TRLMacros& m = pages_->Macros();
    m.Set("LastPageNumber", std::to_string(pageNumber_));
    m.Set("FirstPageNumber", std::to_string(FirstPageNumber));
    m.Set("Title", Title);
    std::string tarefa = JobTitle;
    if (tarefa.empty()) {
        std::string programa;
        if (QCoreApplication::instance()) programa = QCoreApplication::applicationFilePath().toStdString();
        tarefa = LSTexto(TextoRL::RelatorioDoPrograma);
        const auto pos = tarefa.find("%s");
        const std::string nome = programa + ": " + FormName + "." + Name();
        if (pos != std::string::npos) tarefa.replace(pos, 2, nome);
    }
    m.Set("JobTitle", tarefa);
    m.Set("Orientation", PageSetup.Orientation == TRLPageOrientation::poLandscape ? "2" : "1");
    m.Set("PaperWidth", TextoMilimetros(PageSetup.PaperWidthMm()));
    // A roll's sheet is the cut page, which printing then feeds at the roll's width.
    const double altura =
        ContinuousPaper && cutHeight_ > 0 ? cutHeight_ * 25.4 / 96.0 : PageSetup.PaperHeightMm();
    m.Set("PaperHeight", TextoMilimetros(altura));
}

void TRLCustomReport::ReportError(const std::exception& error) {
    Notificar(Name() + ": " + LSTexto(TextoRL::ErroAoPreparar) + "\n" + NomeDaClasseDoErro(error) + "(" +
              error.what() + ")");
}

}  // namespace luvenor
