#pragma once
// One control of a window's design as plain data: both editions build their windows from the
// same tables (the desktop as Qt widgets, the browser as page elements).

#include <cstdint>
#include <optional>

enum class ControlKind {
    Label,        ///< text that sizes itself to its caption
    Edit,         ///< one-line edit field
    Button,       ///< push button
    CloseButton,  ///< push button that closes its window, with the standard close glyph
    OkButton,     ///< default button with the standard OK glyph
    CancelButton, ///< cancel button with the standard cancel glyph
    Panel,        ///< silver box with raised outer and inner bevels
    Picture,      ///< stored picture or program-drawn bitmap
    Shape,        ///< filled rectangle or circle
    HScrollBar,
    VScrollBar,
    UpDown,   ///< spin buttons attached to an edit field
    ComboBox, ///< drop-down list, selection only
    CheckBox, ///< a switch with its caption beside it
    Memo      ///< several lines of text to read and copy, not to edit
};

enum class FontStyle { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

enum class ShapeKind { Rectangle, Circle };

/// One control of a window's design. Positions and sizes in design pixels, relative to the
/// parent; colours 0xAARRGGBB.
struct ControlSpec {
    const char* Name;
    ControlKind Kind;
    const char* Parent = ""; ///< "" for the window itself
    int Left = 0;
    int Top = 0;
    int Width = 0; ///< 0 for labels, which size themselves
    int Height = 0;
    const char* Text = "";                   ///< design text (UTF-8)
    std::optional<std::uint32_t> Color = {}; ///< background or fill
    std::optional<std::uint32_t> FontColor = {};
    const char* FontFamily = ""; ///< "" to use the window's font
    int FontSize = 0;            ///< points at 96 dpi, or negative pixels
    FontStyle Style = FontStyle::Regular;
    int Min = 0, Max = 100, Position = 0, Increment = 1; ///< scroll bars and spin buttons
    const char* Associate = "";                          ///< the spin buttons' edit field
    ShapeKind Shape = ShapeKind::Rectangle;
    std::optional<std::uint32_t> PenColor = {}; ///< shape outline; none when empty
    bool Flat = false;                          ///< edit field with a flat, tiled bevel
    bool ReadOnly = false;                      ///< an edit field to read and copy from
    /// The catalogue text that captions the control whenever its window is shown; 0 for none.
    int Caption = 0;
    /// The caption is shown without its mnemonic, which another control of the window has.
    bool KeylessCaption = false;
    /// Created hidden, with its children: shown only while the program needs it (the real air's
    /// pressure control).
    bool Hidden = false;
};

/// The windows' default font: "MS Sans Serif", 8 points (11 pixels).
constexpr const char* DefaultFontFamily = "MS Sans Serif";
constexpr int DefaultFontPointSize = 8;

/// Pixel height of a design font size: points at 96 dpi rounded as the design tools do
/// (8 points are 11 pixels, 6 points 8), or -size for a size given in pixels (negative).
constexpr int DesignPixelSize(int size) {
    return size < 0 ? -size : (size * 96 + 36) / 72;
}
