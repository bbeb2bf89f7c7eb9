#pragma once
// The GIF picture object: reads a GIF87a/GIF89a stream, decodes its first image at
// once and draws it. Damaged streams are read as far as the rules below allow and
// never make the decoder read or write outside a buffer.
#include <QByteArrayView>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace armo {

enum class TGIFVersion { gvUnknown, gv87a, gv89a };

enum class TDisposalMethod : uint8_t {
    dmUndefined,
    dmLeave,
    dmRestoreBackground,
    dmRestorePrevious,
    dmReserved4,
    dmReserved5,
    dmReserved6,
    dmReserved7,
};

enum class TExtensionType { etGraphic, etPlainText, etApplication, etComment };

// A colour table: Count entries (0, or a power of two from 2 to 256), red, green and
// blue as they stand in the stream; the entries from Count on are zero.
struct TGIFColorTable {
    int32_t Count = 0;
    std::array<std::array<uint8_t, 3>, 256> Colors{};

    QRgb Couleur(int index) const {
        const auto& c = Colors[static_cast<size_t>(index) & 0xFF];
        return qRgb(c[0], c[1], c[2]);
    }
};

struct TGraphicControlExtension {
    uint8_t BlockSize = 0;
    uint8_t PackedFields = 0;
    uint16_t DelayTime = 0;
    uint8_t TransparentColorIndex = 0;
    uint8_t Terminator = 0;
};

struct TAppExtension {
    uint8_t BlockSize = 0;
    std::array<char, 8> AppId{};
    std::array<char, 3> Authentication{};
};

struct TPlainTextExtension {
    uint8_t BlockSize = 0;
    std::array<uint8_t, 12> Grille{};
};

struct TExtension {
    TExtensionType FExtType = TExtensionType::etComment;
    QStringList FData; // one line of text per data sub-block
    std::variant<std::monostate, TGraphicControlExtension, TAppExtension, TPlainTextExtension>
        FExtRec;
};

// The stream-wide data.
struct TGIFData {
    QStringList FComment;
    uint8_t FAspectRatio = 0;
    uint8_t FBitsPerPixel = 0; // bit count of the global table, 1 to 8
    uint8_t FColorResBits = 0;
    TGIFColorTable FColorMap;
};

// One image's data as stored: the compressed bytes exactly as in the stream (code size
// byte, sub-blocks with their size bytes, the terminator when there is one).
struct TGIFItem {
    std::vector<uint8_t> FImageData;
    QSize FSize;
    uint8_t FPackedFields = 0;
    uint8_t FBitsPerPixel = 0; // 0 when the stream has no colour table at all
    TGIFColorTable FColorMap;
};

class TGIFPicture;
struct FluxGIF;

class TGIFFrame {
public:
    explicit TGIFFrame(TGIFPicture* owner) : FOwner(owner) {}

    // The frame's size, from its image descriptor.
    int Width() const { return FImage.FSize.width(); }
    int Height() const { return FImage.FSize.height(); }

    // The decoded bitmap, 8-bit indices with the frame's table as palette; decoded at
    // the first request. Raises the decoding's errors.
    const QImage& Bitmap();
    bool Decoded() const { return FBitmap.has_value(); }

    // The frame's pixel indices, row 0 at the top, Width() bytes per row; decodes first.
    const uint8_t* Indices();

    void Draw(QPainter& canvas, const QRect& rect, bool transparent);

    TGIFPicture* FOwner;
    std::optional<QImage> FBitmap;
    TGIFItem FImage;
    std::vector<TExtension> FExtensions;
    QPoint FTopLeft;
    bool FInterlaced = false;
    bool FCorrupted = false;
    bool FGrayscale = false;
    std::optional<QRgb> FTransparentColor;
    uint16_t FAnimateInterval = 0;
    TDisposalMethod FDisposal = TDisposalMethod::dmUndefined;
    bool FLocalColors = false;

private:
    void Decoder();
};

class TGIFPicture {
public:
    TGIFPicture(); // the Create state: empty
    TGIFPicture(const TGIFPicture&) = delete;
    TGIFPicture& operator=(const TGIFPicture&) = delete;

    // Reads the whole resource (type ResType, name ResName) as one GIF stream. Instance
    // names the module holding it; the program has only its own.
    void LoadFromResourceName(void* Instance, const QString& ResName, const QString& ResType);
    // The same reading on any bytes; they need to live only during the call.
    void LoadFromBytes(QByteArrayView octets);

    int Width() const;
    int Height() const;
    bool Empty() const;
    void Draw(QPainter& ACanvas, const QRect& ARect);

    int Count() const { return static_cast<int>(FItems.size()); }
    TGIFFrame& Frames(int i) { return *FItems.at(static_cast<size_t>(i)); }
    const TGIFFrame& Frames(int i) const { return *FItems.at(static_cast<size_t>(i)); }
    int FrameIndex() const { return FFrameIndex; }
    int ScreenWidth() const { return FScreenWidth; }
    int ScreenHeight() const { return FScreenHeight; }
    std::optional<QRgb> BackgroundColor() const { return FBackgroundColor; }
    std::optional<QRgb> TransparentColor() const; // the current frame's
    const QStringList& Comment() const { return FImage.FComment; }
    TGIFVersion Version() const { return FVersion; }
    bool Looping() const { return FLooping; }
    int RepeatCount() const { return FRepeatCount; }
    bool Corrupted() const; // the picture's flag or the current frame's
    bool Transparent() const { return FTransparent; }
    const TGIFData& Data() const { return FImage; }

    TGIFData FImage;
    TGIFVersion FVersion = TGIFVersion::gvUnknown;
    std::vector<std::unique_ptr<TGIFFrame>> FItems;
    int32_t FFrameIndex = -1;
    uint16_t FScreenWidth = 0;
    uint16_t FScreenHeight = 0;
    std::optional<QRgb> FBackgroundColor;
    bool FLooping = false;
    bool FCorrupted = false;
    uint16_t FRepeatCount = 1;

private:
    void Reinitialiser();
    void Lire(FluxGIF& f);
    uint8_t LireExtensions(FluxGIF& f, std::vector<TExtension>& L);
    void LireImage(FluxGIF& f, std::vector<TExtension> L);
    TGIFFrame* Courante() const;
    bool FTransparent = true;
};

// Whether an application extension asks for looping: "NETSCAPE2.0" or "ANIMEXTS1.0"
// with a first data sub-block of at least 3 bytes starting with 1.
bool IsLoopExtension(const TAppExtension& app, QByteArrayView premierBloc);

} // namespace armo
