#pragma once
// Prepared pages: the drawing objects a page is made of, the page (`TRLGraphicSurface`) with its
// canvas-like recording API, and the page store (`TRLGraphicStorage`) that keeps finished pages in
// a temporary file with a small cache. Everything here is plain data in design pixels (96 per
// inch); drawing on a device is RLPagePainter's job, the stored form is RLPageFile's.
//
// Types are named for what a page stores (TRLPageRect, TRLPageFont, ...) so they never clash with
// the report definition's own property types (TRLRect, TRLFont of the controls).
#include <QRgb>
#include <QSize>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class QImage;

namespace luvenor {

// Left, top, right, bottom: right and bottom are exclusive, as a canvas rectangle is.
struct TRLPageRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    // Saturated: the corners of a damaged file may be any two integers.
    int32_t Width() const { return Saturado(int64_t{Right} - Left); }
    int32_t Height() const { return Saturado(int64_t{Bottom} - Top); }
    static int32_t Saturado(int64_t v) {
        return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    }
    bool operator==(const TRLPageRect&) const = default;
};

struct TRLPagePoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TRLPagePoint&) const = default;
};

// Colours are stored as red, green, blue; alpha is always opaque.
enum class TRLPenStyle : uint8_t {
    psSolid = 1,
    psDash = 2,
    psDot = 3,
    psDashDot = 4,
    psDashDotDot = 5,
    psClear = 6,
    psInsideFrame = 7
};
enum class TRLBrushStyle : uint8_t {
    bsSolid = 1,
    bsClear = 2,
    bsHorizontal = 3,
    bsVertical = 4,
    bsFDiagonal = 5,
    bsBDiagonal = 6,
    bsCross = 7,
    bsDiagCross = 8
};
enum class TRLFontPitch : uint8_t { fpDefault = 1, fpVariable = 2, fpFixed = 3 };

constexpr uint8_t PenModeCopy = 5;  // the only mode the engine writes

struct TRLPen {
    QRgb Color = 0xFF000000u;  // black
    uint8_t Mode = PenModeCopy;
    TRLPenStyle Style = TRLPenStyle::psSolid;
    int32_t Width = 1;
    bool operator==(const TRLPen&) const = default;
};

struct TRLBrush {
    QRgb Color = 0xFFFFFFFFu;  // white
    TRLBrushStyle Style = TRLBrushStyle::bsSolid;
    bool operator==(const TRLBrush&) const = default;
};

// Font style bits as pages store them.
enum TRLPageFontStyle : uint8_t { pfsBold = 1, pfsItalic = 2, pfsUnderline = 4, pfsStrikeOut = 8 };

// A font as a page records it. `Height` < 0 is the character height in design pixels (what the
// DANFE uses), > 0 the cell height; `Size` is in points. The stored form keeps an index into the
// page's font table; in memory the name is kept directly and the table follows it.
struct TRLPageFont {
    std::string Name = "Arial";
    int32_t PixelsPerInch = 96;
    uint8_t Charset = 1;  // 0 ANSI, 1 default
    QRgb Color = 0xFF000000u;
    int32_t Height = -13;
    TRLFontPitch Pitch = TRLFontPitch::fpDefault;
    int32_t Size = 10;
    uint8_t Style = 0;  // TRLPageFontStyle bits
    bool operator==(const TRLPageFont&) const = default;
};

// Point size of a font height at `pixelsPerInch`, rounded half away from zero (-7 px -> 5 pt).
int32_t PontosDaAltura(int32_t height, int32_t pixelsPerInch = 96);

// Horizontal and vertical placement of a text in its box, with their stored values.
enum class TRLPageAlignment : uint8_t { Left = 1, Right = 2, Center = 3, Justify = 4 };
enum class TRLPageLayout : uint8_t { Top = 1, Bottom = 2, Center = 3 };

// Text flags: an unclipped text is drawn whole even past its box; no page break passes through an
// unbreakable text. Labels record Unbreakable (+ Unclipped when auto-sized); memo lines both.
enum TRLTextFlags : uint16_t { tfUnclipped = 1, tfUnbreakable = 4 };

// The object kinds, in stored numbering (the variant below keeps the same order).
enum class TRLObjectKind : uint8_t {
    Pixel = 1,
    Line = 2,
    Rectangle = 3,
    Text = 4,
    FillRect = 5,
    Ellipse = 6,
    Polygon = 7,
    Polyline = 8,
    Image = 9,
    SetClipRect = 10,
    ResetClipRect = 11,
    Arc = 12
};

struct TRLPixelObject {
    QRgb Color = 0xFF000000u;
    bool operator==(const TRLPixelObject&) const = default;
};
struct TRLLineObject {
    TRLPagePoint From, To;
    TRLPen Pen;
    TRLBrush Brush;
    bool operator==(const TRLLineObject&) const = default;
};
struct TRLRectangleObject {
    TRLPen Pen;
    TRLBrush Brush;
    bool operator==(const TRLRectangleObject&) const = default;
};
struct TRLTextObject {
    TRLPageAlignment Alignment = TRLPageAlignment::Left;
    TRLPageLayout Layout = TRLPageLayout::Top;
    TRLPagePoint Origin;  // where the text was placed when recorded (left-aligned, top)
    uint16_t TextFlags = 0;
    std::string Text;  // UTF-8; may hold {Macro} names completed when the page is drawn
    TRLBrush Brush{0xFFFFFFFFu, TRLBrushStyle::bsClear};
    TRLPageFont Font;
    // Degrees counter-clockwise the text is turned about Origin, which is then the top-left corner
    // of the unturned text; 0 for a level text, the only kind older page files hold.
    int32_t Angle = 0;
    bool operator==(const TRLTextObject&) const = default;
};
struct TRLFillRectObject {
    TRLBrush Brush;
    bool operator==(const TRLFillRectObject&) const = default;
};
struct TRLEllipseObject {
    TRLPen Pen;
    TRLBrush Brush;
    bool operator==(const TRLEllipseObject&) const = default;
};
struct TRLPolygonObject {
    TRLPen Pen;
    TRLBrush Brush;
    std::vector<TRLPagePoint> Points;
    bool operator==(const TRLPolygonObject&) const = default;
};
struct TRLPolylineObject {
    TRLPen Pen;
    std::vector<TRLPagePoint> Points;
    bool operator==(const TRLPolylineObject&) const = default;
};
// The picture as stored: "BMP" + a Windows bitmap stream, "ICO" + an icon stream, or "NIL".
struct TRLImageObject {
    std::string Picture = "NIL";
    uint8_t Flag = 0;
    bool operator==(const TRLImageObject&) const = default;
};
struct TRLSetClipRectObject {
    bool operator==(const TRLSetClipRectObject&) const = default;
};
struct TRLResetClipRectObject {
    bool operator==(const TRLResetClipRectObject&) const = default;
};
struct TRLArcObject {
    TRLPen Pen;
    TRLBrush Brush;
    bool operator==(const TRLArcObject&) const = default;
};

using TRLObjectData =
    std::variant<TRLPixelObject, TRLLineObject, TRLRectangleObject, TRLTextObject, TRLFillRectObject,
                 TRLEllipseObject, TRLPolygonObject, TRLPolylineObject, TRLImageObject, TRLSetClipRectObject,
                 TRLResetClipRectObject, TRLArcObject>;

// One drawing object: its bounding rectangle (a clip object's rectangle is the clip), the group
// of the control print that drew it, and its kind's data.
struct TRLGraphicObject {
    TRLPageRect BoundsRect;
    int32_t GroupId = 0;
    TRLObjectData Data;

    TRLObjectKind Kind() const { return static_cast<TRLObjectKind>(Data.index() + 1); }
    template <class T>
    const T* As() const {
        return std::get_if<T>(&Data);
    }
    template <class T>
    T* As() {
        return std::get_if<T>(&Data);
    }
    bool operator==(const TRLGraphicObject&) const = default;
};

// Name=value texts, kept in insertion order. Names are compared without regard to ASCII case.
class TRLMacros {
public:
    void Set(std::string_view name, std::string value);
    const std::string* Find(std::string_view name) const;
    std::string Value(std::string_view name) const;  // empty when absent
    const std::vector<std::pair<std::string, std::string>>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }
    bool operator==(const TRLMacros&) const = default;

private:
    std::vector<std::pair<std::string, std::string>> items_;
};

// Completes every "{Name}" of a text: the name is looked up among the page's macros, then the
// store's, and the braces and name are replaced by its value; a name found in neither is left as
// it is. Values are not expanded again.
std::string ExpandirMacros(std::string_view text, const TRLMacros& pageMacros, const TRLMacros& storeMacros);

// A page being drawn or a prepared page. Recording operations append one object each, in drawing
// order, with the current group number; text objects also put their font name in the font table.
class TRLGraphicSurface {
public:
    TRLGraphicSurface() = default;
    TRLGraphicSurface(int32_t width, int32_t height) : width_(width), height_(height) {}

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    void SetSize(int32_t width, int32_t height);

    // Canvas state used by the recording operations.
    TRLPageFont Font;
    TRLPen Pen;
    TRLBrush Brush;

    int32_t GroupId() const { return groupId_; }
    void SetGroupId(int32_t groupId) { groupId_ = groupId; }

    // Text at (x, y), left-aligned and top-laid-out; its box is `box`. Text is UTF-8.
    void TextOut(const TRLPageRect& box, int32_t x, int32_t y, std::string_view text, uint16_t flags);
    // Text in `box` placed at origin (x, y) with the given alignment and layout.
    void TextRect(const TRLPageRect& box, int32_t x, int32_t y, std::string_view text,
                  TRLPageAlignment alignment, TRLPageLayout layout, uint16_t flags);
    // Text turned `angle` degrees counter-clockwise about `origin`, the top-left corner of the
    // unturned text; `box` holds the turned text.
    void RotatedText(const TRLPageRect& box, TRLPagePoint origin, std::string_view text, int32_t angle,
                     uint16_t flags);
    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    void Rectangle(const TRLPageRect& r);
    void FillRect(const TRLPageRect& r);  // with the brush only
    void Ellipse(const TRLPageRect& r);
    void Polygon(const std::vector<TRLPagePoint>& points);
    void Polyline(const std::vector<TRLPagePoint>& points);
    void SetPixel(int32_t x, int32_t y, QRgb color);
    // The image is stored as a 24-bit "BMP" stream and stretched into `r` when drawn.
    void StretchDraw(const TRLPageRect& r, const QImage& image);
    void SetClipRect(const TRLPageRect& r);
    void ResetClipRect();
    void Arc(const TRLPageRect& r);

    // Appends an object as it is (the page file reader and copies use it).
    void Add(TRLGraphicObject object);

    // Copies the objects of `source` onto this surface so that source's point (part.Left,
    // part.Top) -- or (0, 0) without a part -- lands on `at`. With a part, only objects touching it
    // are copied, framed by a clip to the part. Group numbers stay; font names join this table.
    void Draw(const TRLGraphicSurface& source, TRLPagePoint at);
    void Draw(const TRLGraphicSurface& source, TRLPagePoint at, const TRLPageRect& part);

    const std::vector<TRLGraphicObject>& Objects() const { return objects_; }
    const std::vector<std::string>& Fonts() const { return fonts_; }
    int32_t FontIndex(std::string_view name);  // adds the name when missing
    void SetFonts(std::vector<std::string> names) { fonts_ = std::move(names); }
    TRLMacros& Macros() { return macros_; }
    const TRLMacros& Macros() const { return macros_; }

    void Clear();  // objects, fonts and macros; size and canvas state stay
    bool operator==(const TRLGraphicSurface& o) const {
        return width_ == o.width_ && height_ == o.height_ && objects_ == o.objects_ && fonts_ == o.fonts_ &&
               macros_ == o.macros_;
    }

private:
    void Record(const TRLPageRect& bounds, TRLObjectData data);

    int32_t width_ = 0;
    int32_t height_ = 0;
    int32_t groupId_ = 0;
    std::vector<TRLGraphicObject> objects_;
    std::vector<std::string> fonts_;
    TRLMacros macros_;
};

// Encodes an image as the stored picture text: "BMP" + BITMAPFILEHEADER + BITMAPINFOHEADER +
// 24-bit bottom-up rows padded to 4 bytes. A null image gives "NIL".
std::string CodificarImagem(const QImage& image);
// Decodes a stored picture text; a null image for "NIL", data that does not decode or a picture of
// more than PixelsMaximosDaImagem pixels.
QImage DecodificarImagem(std::string_view picture);
inline constexpr int64_t PixelsMaximosDaImagem = int64_t{16} << 20;
// The size a stored picture's header declares, without decoding it; invalid when it has none.
QSize TamanhoDaImagem(std::string_view picture);

class TRLPageStore;

// The prepared pages: the ordered list of pages and the store's macros. The first pages stay in
// memory up to a budget of bytes; later ones go to a temporary file (created with the first of
// them, readable only by the user, already unlinked so it never outlives the process), of which at
// most 5 pages stay in memory. Reading is const, so drawing never changes the store.
class TRLGraphicStorage {
public:
    TRLGraphicStorage();
    ~TRLGraphicStorage();
    TRLGraphicStorage(const TRLGraphicStorage&) = delete;
    TRLGraphicStorage& operator=(const TRLGraphicStorage&) = delete;

    // Appends a finished page: kept in memory while the budget allows, otherwise written to the
    // temporary file at once. Throws std::runtime_error when that file cannot be created or written.
    void Add(TRLGraphicSurface page);
    int Count() const;
    // Page n (0-based) from memory, the cache or the temporary file; the pointer stays valid after
    // the page leaves the cache. Throws std::out_of_range for a bad index.
    std::shared_ptr<const TRLGraphicSurface> Page(int n) const;
    // The stored record of page n (the page's bytes, without the length prefix).
    std::string PageRecord(int n) const;

    TRLMacros& Macros() { return macros_; }
    const TRLMacros& Macros() const { return macros_; }

    // Empties the store: pages, macros and the temporary file.
    void Clear();

    // Bytes of pages kept in memory before pages go to the temporary file; set it before adding pages.
    void SetMemoryBudget(size_t bytes);
    static constexpr size_t DefaultMemoryBudget = size_t{16} << 20;

    // For tests: the temporary file's descriptor (-1 before the first page written to it).
    int TemporaryFileDescriptor() const;
    static constexpr int CacheSize = 5;

private:
    std::unique_ptr<TRLPageStore> pages_;
    TRLMacros macros_;
};

}  // namespace luvenor
