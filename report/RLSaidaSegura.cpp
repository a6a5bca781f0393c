#include "report/RLSaidaSegura.h"

#include "report/RLPagedOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace luvenor {
namespace {

std::string Pasta(const std::string& caminho) {
    const size_t barra = caminho.find_last_of('/');
    if (barra == std::string::npos) return ".";
    return barra == 0 ? "/" : caminho.substr(0, barra);
}

std::string NomeSemPasta(const std::string& caminho) {
    const size_t barra = caminho.find_last_of('/');
    return barra == std::string::npos ? caminho : caminho.substr(barra + 1);
}

// The permissions a new file gets from the user's umask, or those of the file being replaced.
mode_t ModoFinal(const std::string& caminho) {
    struct stat info {};
    if (::lstat(caminho.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

std::string ErroDoSistema() {
    return std::strerror(errno);
}

}  // namespace

bool MesmoArquivo(const std::string& a, const std::string& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

TRLSaidaSegura::TRLSaidaSegura(std::string caminho, const std::vector<std::string>& entradas)
    : caminho_(std::move(caminho)) {
    if (caminho_.empty() || caminho_.back() == '/') throw ErroAoGravar(caminho_, "falta o nome do arquivo");
    for (const std::string& entrada : entradas)
        if (MesmoArquivo(caminho_, entrada))
            throw ErroAoGravar(caminho_,
                               "é o próprio arquivo de entrada " + entrada + " e não será substituído");
    struct stat info {};
    if (::stat(caminho_.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        throw ErroAoGravar(caminho_, "é uma pasta");
    std::string modelo = Pasta(caminho_) + "/." + NomeSemPasta(caminho_) + ".XXXXXX";
    fd_ = ::mkostemp(modelo.data(), O_CLOEXEC);
    if (fd_ < 0) throw ErroAoGravar(caminho_, ErroDoSistema());
    temporario_ = modelo;
    if (::fchmod(fd_, ModoFinal(caminho_)) != 0 ||
        !arquivo_.open(fd_, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        const std::string motivo = ErroDoSistema();
        Descartar();
        throw ErroAoGravar(caminho_, motivo);
    }
}

TRLSaidaSegura::~TRLSaidaSegura() {
    if (!noLugar_) Descartar();
}

QIODevice& TRLSaidaSegura::Dispositivo() {
    return arquivo_;
}

void TRLSaidaSegura::Gravar(std::string_view bytes) {
    if (arquivo_.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        Falhar(arquivo_.errorString().toStdString());
}

void TRLSaidaSegura::Concluir() {
    if (concluido_) return;
    if (!arquivo_.isOpen() || !arquivo_.flush() || arquivo_.error() != QFileDevice::NoError)
        Falhar(arquivo_.errorString().toStdString());
    arquivo_.close();
    if (::fsync(fd_) != 0) Falhar(ErroDoSistema());
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Falhar(ErroDoSistema());
    concluido_ = true;
}

void TRLSaidaSegura::PorNoLugar() {
    if (!concluido_) Concluir();
    // rename replaces a link at the target with the file itself, never its target.
    if (::rename(temporario_.c_str(), caminho_.c_str()) != 0) Falhar(ErroDoSistema());
    noLugar_ = true;
}

void TRLSaidaSegura::Confirmar() {
    Concluir();
    PorNoLugar();
}

void TRLSaidaSegura::Falhar(const std::string& motivo) {
    Descartar();
    throw ErroAoGravar(caminho_, motivo);
}

void TRLSaidaSegura::Descartar() noexcept {
    if (arquivo_.isOpen()) arquivo_.close();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporario_.empty()) ::unlink(temporario_.c_str());
    temporario_.clear();
}

TRLSaidaSegura& TRLSaidasSeguras::Nova(const std::string& caminho) {
    saidas_.push_back(std::make_unique<TRLSaidaSegura>(caminho, entradas_));
    return *saidas_.back();
}

void TRLSaidasSeguras::Confirmar() {
    for (const auto& s : saidas_) s->Concluir();
    for (const auto& s : saidas_) s->PorNoLugar();
}

}  // namespace luvenor
