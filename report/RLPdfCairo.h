#pragma once
// A PDF device drawn by cairo's PDF surface: a QPainter device like QPdfWriter, so the one page
// painter draws on it as on any other, but with a real font subsetter and text written as runs.
// Qt's PDF engine re-embeds the font for every document and writes one positioning line per
// glyph; that was most of a DANFE's time. The bytes go to the caller's QIODevice, buffered.
#include <QPagedPaintDevice>

#include <string>

class QIODevice;

namespace luvenor {

class TRLMotorPdfCairo;

class TRLDispositivoPdf : public QPagedPaintDevice {
public:
    // `destino` must be open for writing and outlive the device.
    explicit TRLDispositivoPdf(QIODevice& destino);
    ~TRLDispositivoPdf() override;
    TRLDispositivoPdf(const TRLDispositivoPdf&) = delete;
    TRLDispositivoPdf& operator=(const TRLDispositivoPdf&) = delete;

    void DefinirTitulo(const std::string& titulo);
    void DefinirCriador(const std::string& criador);
    // A bookmark (outline entry at the top level) titled `titulo` that opens page `pagina` (1-based);
    // written with the document's end, in the order added.
    void AdicionarMarcador(const std::string& titulo, int pagina);

    bool newPage() override;
    QPaintEngine* paintEngine() const override;

    // Ends the document and writes what is left; returns an error text, empty when every byte
    // reached the destination. Nothing is drawn after it.
    std::string Concluir();

    static constexpr int Resolucao = 1200;  // device pixels per inch, as QPdfWriter's

protected:
    int metric(PaintDeviceMetric metrica) const override;

private:
    TRLMotorPdfCairo* motor_;  // lives with the sheet the base class owns
};

}  // namespace luvenor
