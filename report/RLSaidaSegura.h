#pragma once
// Every file the program writes goes through here, so that none is ever left half-written: the
// bytes go to a temporary file in the target's folder, are flushed to the disk and only then
// renamed over the target, in one step. A failure or an abandoned output removes the temporary
// file and leaves an older file of that name as it was. A symbolic link at the target is replaced
// by the new file, never written through, and a target that is one of the command's inputs (the
// same file, also under another name or through a link) is refused before anything is written.
#include <QFile>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace luvenor {

class TRLSaidaSegura {
public:
    // Creates the temporary file beside `caminho`. Throws std::runtime_error ("Não foi possível
    // gravar ...") when `caminho` names one of `entradas`, a folder, or a folder that cannot take
    // the temporary file.
    explicit TRLSaidaSegura(std::string caminho, const std::vector<std::string>& entradas = {});
    // Without Confirmar, the temporary file is removed.
    ~TRLSaidaSegura();
    TRLSaidaSegura(const TRLSaidaSegura&) = delete;
    TRLSaidaSegura& operator=(const TRLSaidaSegura&) = delete;

    // The open device the caller writes into (a PDF writer, an image encoder, ...).
    QIODevice& Dispositivo();
    // Appends bytes; throws when they cannot be written (a full disk).
    void Gravar(std::string_view bytes);

    // Flushes and syncs the bytes and puts the file in place. Throws when any of it fails, after
    // removing the temporary file.
    void Confirmar();
    // The two halves of Confirmar, for outputs that must all appear or none (pages of one export).
    void Concluir();
    void PorNoLugar();

    const std::string& Caminho() const { return caminho_; }
    // The temporary file's name, for a writer that opens its output by name (a printer writing a
    // PDF); it writes there and Confirmar then puts the file in place as for the device's bytes.
    const std::string& Temporario() const { return temporario_; }

private:
    [[noreturn]] void Falhar(const std::string& motivo);
    void Descartar() noexcept;

    std::string caminho_;
    std::string temporario_;
    int fd_ = -1;
    QFile arquivo_;
    bool concluido_ = false;
    bool noLugar_ = false;
};

// Outputs that appear together or not at all: each is written and completed on its own, and they
// are put in place only once the last one is done.
class TRLSaidasSeguras {
public:
    explicit TRLSaidasSeguras(std::vector<std::string> entradas = {}) : entradas_(std::move(entradas)) {}
    TRLSaidaSegura& Nova(const std::string& caminho);
    void Confirmar();

private:
    std::vector<std::string> entradas_;
    std::vector<std::unique_ptr<TRLSaidaSegura>> saidas_;
};

// Whether two paths name the same file (same device and inode, links followed); false when either
// does not exist.
bool MesmoArquivo(const std::string& a, const std::string& b);

}  // namespace luvenor
