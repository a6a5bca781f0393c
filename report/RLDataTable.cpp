#include "report/RLDataTable.h"

#include "util/Erros.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace luvenor {
namespace {

// Cuts a UTF-8 text to at most `limite` characters without splitting a sequence.
std::string CortarCaracteres(const std::string& texto, int limite) {
    int contados = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        const auto byte = static_cast<unsigned char>(texto[i]);
        if ((byte & 0xC0) != 0x80) {
            if (contados == limite) return texto.substr(0, i);
            ++contados;
        }
    }
    return texto;
}

// The whole text must be the number; anything else is a conversion error.
int TextoParaInteiro(const std::string& texto) {
    int valor = 0;
    const char* fim = texto.data() + texto.size();
    const auto [ptr, ec] = std::from_chars(texto.data(), fim, valor);
    if (texto.empty() || ec != std::errc() || ptr != fim)
        throw EConvertError("'" + texto + "' não é um valor inteiro válido");
    return valor;
}

TRLFieldValue ValorZero(TRLFieldType tipo) {
    if (tipo == TRLFieldType::ftInteger) return 0;
    return std::string();
}

}  // namespace

TRLDataTable::TRLDataTable(std::string name) : name_(std::move(name)) {}

void TRLDataTable::AddField(const std::string& name, TRLFieldType type, int size) {
    for (const auto& f : fields_)
        if (f.Name == name) throw std::invalid_argument("Campo duplicado: " + name);
    fields_.push_back({name, type, size});
    Empty();
}

void TRLDataTable::SetIndexFieldNames(const std::vector<std::string>& names) {
    std::vector<int> indice;
    for (const auto& n : names) indice.push_back(FieldIndex(n));
    index_ = std::move(indice);
    std::stable_sort(records_.begin(), records_.end(),
                     [this](const Record& a, const Record& b) { return Less(a, b); });
}

void TRLDataTable::Append() {
    pending_.clear();
    for (const auto& f : fields_) pending_.push_back(ValorZero(f.DataType));
    editing_ = true;
    Scrolled();
}

void TRLDataTable::Post() {
    if (!editing_) throw std::logic_error("Tabela " + name_ + " não está em edição");
    // Equal keys keep their order of arrival.
    auto pos = std::upper_bound(records_.begin(), records_.end(), pending_,
                                [this](const Record& a, const Record& b) { return Less(a, b); });
    cursor_ = static_cast<int>(pos - records_.begin());
    records_.insert(pos, std::move(pending_));
    pending_.clear();
    editing_ = false;
    eof_ = false;
}

void TRLDataTable::Cancel() {
    pending_.clear();
    editing_ = false;
    if (cursor_ >= RecordCount()) cursor_ = RecordCount() - 1;
}

void TRLDataTable::Empty() {
    records_.clear();
    pending_.clear();
    editing_ = false;
    cursor_ = -1;
    eof_ = true;
}

void TRLDataTable::First() {
    if (editing_) Post();
    eof_ = records_.empty();
    cursor_ = records_.empty() ? -1 : 0;
    if (!records_.empty()) Scrolled();
}

void TRLDataTable::Next() {
    if (editing_) Post();
    if (cursor_ + 1 < RecordCount()) {
        ++cursor_;
        Scrolled();
    } else {
        eof_ = true;
    }
}

bool TRLDataTable::Eof() const {
    return !Active() || eof_;
}

void TRLDataTable::SetString(const std::string& field, const std::string& value) {
    const int i = FieldIndex(field);
    Record* r = CurrentRecordForWrite();
    const TRLFieldDef& def = fields_[static_cast<size_t>(i)];
    if (def.DataType == TRLFieldType::ftInteger) {
        (*r)[static_cast<size_t>(i)] = TextoParaInteiro(value);
        return;
    }
    (*r)[static_cast<size_t>(i)] = def.Size > 0 ? CortarCaracteres(value, def.Size) : value;
}

void TRLDataTable::SetInteger(const std::string& field, int value) {
    const int i = FieldIndex(field);
    Record* r = CurrentRecordForWrite();
    if (fields_[static_cast<size_t>(i)].DataType == TRLFieldType::ftString)
        SetString(field, std::to_string(value));
    else
        (*r)[static_cast<size_t>(i)] = value;
}

std::string TRLDataTable::AsString(const std::string& field) const {
    const int i = FieldIndex(field);
    const Record* r = CurrentRecord();
    if (!r) return {};
    const TRLFieldValue& v = (*r)[static_cast<size_t>(i)];
    if (const int* n = std::get_if<int>(&v)) return std::to_string(*n);
    return std::get<std::string>(v);
}

int TRLDataTable::AsInteger(const std::string& field) const {
    const int i = FieldIndex(field);
    const Record* r = CurrentRecord();
    if (!r) return 0;
    const TRLFieldValue& v = (*r)[static_cast<size_t>(i)];
    if (const int* n = std::get_if<int>(&v)) return *n;
    const std::string& s = std::get<std::string>(v);
    return s.empty() ? 0 : TextoParaInteiro(s);
}

int TRLDataTable::FieldIndex(const std::string& field) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].Name == field) return static_cast<int>(i);
    throw std::invalid_argument(name_ + ": campo '" + field + "' não encontrado");
}

const TRLDataTable::Record* TRLDataTable::CurrentRecord() const {
    if (editing_) return &pending_;
    if (cursor_ < 0 || cursor_ >= RecordCount()) return nullptr;
    return &records_[static_cast<size_t>(cursor_)];
}

TRLDataTable::Record* TRLDataTable::CurrentRecordForWrite() {
    if (editing_) return &pending_;
    if (cursor_ < 0 || cursor_ >= RecordCount()) throw std::logic_error(name_ + ": nenhum registro atual");
    return &records_[static_cast<size_t>(cursor_)];
}

bool TRLDataTable::Less(const Record& a, const Record& b) const {
    for (int i : index_) {
        const auto& va = a[static_cast<size_t>(i)];
        const auto& vb = b[static_cast<size_t>(i)];
        if (va < vb) return true;
        if (vb < va) return false;
    }
    return false;
}

void TRLDataTable::Scrolled() {
    if (AfterScroll) AfterScroll(*this);
}

}  // namespace luvenor
