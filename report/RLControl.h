#pragma once
// The report form's control tree: every printable thing is a TRLCustomControl owned by its parent.
// Handlers attach as std::function callbacks; before-print handlers take `PrintIt` by reference.
#include <QRgb>
#include <QFont>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace luvenor {

class TRLGraphicSurface;
class TRLCustomBand;
class TRLCustomPager;
class TRLCustomReport;

enum class TRLControlAlign { faNone, faTop, faHeight };
enum class TRLTextAlignment { taLeftJustify, taRightJustify, taCenter, taJustify };
enum class TRLTextLayout { tlTop, tlCenter, tlBottom, tlJustify };

// Behavior bits.
enum TRLControlBehavior : unsigned { beSiteExpander = 1u };

// Font style bits, as the prepared pages store them.
enum TRLFontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u, fsStrikeOut = 8u };

constexpr QRgb clBlack = 0xFF000000u;
constexpr QRgb clWhite = 0xFFFFFFFFu;

struct TRLFont {
    std::string Name = "Arial";
    int Height = -13;  // negative: character height in design pixels; positive: cell height
    unsigned Style = 0;
    QRgb Color = clBlack;
    int Charset = 1;        // 0 ANSI, 1 default
    int Pitch = 1;          // 1 default, 2 variable, 3 fixed
    int Size() const;       // points at 96 per inch
    QFont ToQFont() const;  // for measuring at design pixels
    bool operator==(const TRLFont&) const = default;
};

// Report font default: "Arial", 10 points.
TRLFont FonteDoRelatorio();
// The font as a page records it, and as text is measured with it.
struct TRLPageFont;
TRLPageFont ParaFontePagina(const TRLFont& font);

struct TRLBorders {
    bool DrawLeft = false;
    bool DrawTop = false;
    bool DrawRight = false;
    bool DrawBottom = false;
    int Width = 1;
    QRgb Color = clBlack;
};

struct TRLRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TRLRect&) const = default;
};

class TRLCustomControl;
using TRLAfterPrintEvent = std::function<void(TRLCustomControl& sender)>;
using TRLBeforePrintEvent = std::function<void(TRLCustomControl& sender, bool& PrintIt)>;
using TRLBeforeTextEvent = std::function<void(TRLCustomControl& sender, std::string& Text, bool& PrintIt)>;

class TRLCustomControl {
public:
    explicit TRLCustomControl(std::string name);
    virtual ~TRLCustomControl();
    TRLCustomControl(const TRLCustomControl&) = delete;
    TRLCustomControl& operator=(const TRLCustomControl&) = delete;

    const std::string& Name() const { return name_; }
    TRLCustomControl* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<TRLCustomControl>>& Children() const { return children_; }

    // Creates a child in creation order; the parent owns it.
    template <class T, class... Args>
    T& Criar(std::string name, Args&&... args) {
        auto filho = std::make_unique<T>(std::move(name), std::forward<Args>(args)...);
        T& ref = *filho;
        Adotar(std::move(filho));
        return ref;
    }

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    TRLControlAlign Align = TRLControlAlign::faNone;
    TRLTextAlignment Alignment = TRLTextAlignment::taLeftJustify;
    TRLTextLayout Layout = TRLTextLayout::tlTop;
    bool AutoSize = false;
    unsigned Behavior = 0;
    TRLBorders Borders;
    bool Transparent = true;
    bool ParentFont = true;
    bool Visible = true;
    TRLAfterPrintEvent AfterPrint;

    TRLRect BoundsRect() const { return {Left, Top, Width, Height}; }
    void SetBounds(int left, int top, int width, int height);
    void SetBoundsRect(const TRLRect& r) { SetBounds(r.Left, r.Top, r.Width, r.Height); }

    // Colour: the parent's until set; a colour other than white turns Transparent off.
    QRgb Color() const;
    void SetColor(QRgb color);
    // Font: the parent's while ParentFont is true; setting one turns ParentFont off.
    const TRLFont& Font() const;
    void SetFont(const TRLFont& font);

    // The containers around this control; nullptr when there is none.
    TRLCustomBand* ParentBand() const;
    TRLCustomPager* ParentPager() const;
    TRLCustomReport* ParentReport() const;
    // The same, raising the "not found" error when missing.
    TRLCustomPager& RequiredPager() const;
    TRLCustomReport& RequiredReport() const;

    // Whether a preparation of the report around this control is running.
    bool Preparing() const;

    // Printing, driven by the band: run the events and fix the content; size; draw.
    virtual bool Prepare();
    virtual void AdjustSize() {}
    virtual void Draw(TRLGraphicSurface& surface, int offsetX, int offsetY);

    // Bounds of this control and every control inside it, saved before a print and restored after.
    void SaveBounds(std::vector<TRLRect>& into) const;
    void RestoreBounds(const std::vector<TRLRect>& from, size_t& at);

    // Box of the control less its drawn borders.
    TRLRect ClientRect() const;

protected:
    // A change of this control's height reaches its band here.
    void HeightChanged(int oldHeight);
    // Applies a new size keeping the edges chosen by Alignment and Layout.
    void ResizeKeepingEdges(int newWidth, int newHeight);
    int BorderExtraWidth() const;
    int BorderExtraHeight() const;
    void DrawFrameAndFill(TRLGraphicSurface& surface, int offsetX, int offsetY) const;
    // Sets the surface's font to this control's and its brush to a clear one: a text never fills
    // its box (a filled control was filled before), whatever an earlier drawing left selected.
    void SelecionarFonteDoTexto(TRLGraphicSurface& surface) const;

    std::vector<std::unique_ptr<TRLCustomControl>> children_;

private:
    void Adotar(std::unique_ptr<TRLCustomControl> filho);

    std::string name_;
    TRLCustomControl* parent_ = nullptr;
    // The report above, once found: a control never changes parent, and every caption set while
    // preparing asks for it.
    mutable TRLCustomReport* report_ = nullptr;
    bool colorSet_ = false;
    QRgb color_ = clWhite;
    std::unique_ptr<TRLFont> font_;
};

}  // namespace luvenor
