#include "ui/lookandfeel/ColourTable.h"

namespace
{
class TableBuilder
{
public:
    void add (int id, juce::Colour colour) { entries.emplace_back (id, colour); }
    void add (int id, juce::uint32 argb) { entries.emplace_back (id, juce::Colour (argb)); }
    void add (std::initializer_list<int> ids, juce::uint32 argb)
    {
        for (auto id : ids)
            add (id, argb);
    }

    std::vector<ColourTableEntry> entries;
};

constexpr juce::uint32 ground = 0xFF1E1E1E;
constexpr juce::uint32 panelGrey = 0xFF2B2B2B;
constexpr juce::uint32 outlineGrey = 0xFF646464;
constexpr juce::uint32 text = 0xFFF0F0F0;
constexpr juce::uint32 clear = 0x00000000;

void addFrameworkColours (TableBuilder& t, const juce::LookAndFeel_V4::ColourScheme& scheme)
{
    using UI = juce::LookAndFeel_V4::ColourScheme::UIColour;
    const auto widgetBackground = scheme.getUIColour (UI::widgetBackground);
    const auto defaultText = scheme.getUIColour (UI::defaultText);

    // Tabbed component and tab bar: first registration, from the scheme. The
    // tab colours of the program's own bars are registered again further down.
    t.add (0x1005800, scheme.getUIColour (UI::windowBackground));
    t.add (0x1005801, scheme.getUIColour (UI::outline));
    t.add (0x1005812, scheme.getUIColour (UI::outline));
    t.add (0x1005813, scheme.getUIColour (UI::defaultText));
    t.add (0x1005814, scheme.getUIColour (UI::outline));
    t.add (0x1005815, scheme.getUIColour (UI::highlightedText));

    // juce::TextButton
    t.add (0x1000100, ground);
    t.add (0x1000101, outlineGrey);
    t.add (0x1000102, text);
    t.add (0x1000103, text);
    // juce::ToggleButton
    t.add (0x1006501, text);
    t.add (0x1006502, text);
    t.add (0x1006503, 0x80F0F0F0);
    // juce::TextEditor and caret
    t.add (0x1000200, ground);
    t.add (0x1000201, text);
    t.add (0x1000202, outlineGrey);
    t.add (0x1000203, text);
    t.add (0x1000205, outlineGrey);
    t.add (0x1000206, outlineGrey);
    t.add (0x1000207, clear);
    t.add (0x1000204, outlineGrey);
    // juce::Label
    t.add (0x1000280, clear);
    t.add (0x1000281, text);
    t.add (0x1000282, clear);
    t.add (0x1000284, text);
    // juce::ScrollBar: background, thumb, track
    t.add (0x1000300, outlineGrey);
    t.add (0x1000400, text);
    t.add (0x1000401, outlineGrey);
    // juce::TreeView
    t.add ({ 0x1000500, 0x1000501, 0x1000503, 0x1000504, 0x1000505 }, clear);
    t.add (0x1000502, outlineGrey);
    // juce::PopupMenu: background, text, header text, highlighted text and background
    t.add (0x1000700, 0xFF303030);
    t.add (0x1000600, 0xFFA0A0A0);
    t.add (0x1000601, 0xFFA0A0A0);
    t.add (0x1000800, text);
    t.add (0x1000900, outlineGrey);
    // juce::ComboBox: background, text, outline, button, arrow
    t.add (0x1000B00, clear);
    t.add (0x1000A00, text);
    t.add (0x1000C00, outlineGrey);
    t.add (0x1000D00, outlineGrey);
    t.add (0x1000E00, text);
    // property components
    t.add (0x1008300, ground);
    t.add (0x1008301, text);
    t.add (0x100E401, ground);
    t.add (0x100E402, text);
    t.add (0x100E403, outlineGrey);
    t.add (0x100E801, ground);
    t.add (0x100E803, outlineGrey);
    // juce::ListBox
    t.add (0x1002800, ground);
    t.add (0x1002810, clear);
    t.add (0x1002820, text);
    // juce::Slider
    t.add (0x1001200, clear);
    t.add (0x1001300, text);
    t.add (0x1001310, 0xFFFFFFFF);
    t.add (0x1001311, panelGrey);
    t.add (0x1001312, ground);
    t.add (0x1001400, text);
    t.add (0x1001500, 0x001E1E1E);
    t.add (0x1001600, outlineGrey);
    t.add (0x1001700, outlineGrey);
    // windows
    t.add (0x1005700, ground);
    t.add (0x1005701, text);
    // juce::AlertWindow
    t.add (0x1001800, ground);
    t.add (0x1001810, text);
    t.add (0x1001820, outlineGrey);
    // juce::ProgressBar
    t.add (0x1001900, ground);
    t.add (0x1001A00, outlineGrey);
    // juce::TooltipWindow: background, text, outline
    t.add (0x1001B00, outlineGrey);
    t.add (0x1001C00, ground);
    t.add (0x1001C10, clear);
    // juce::Toolbar
    t.add (0x1003200, 0x661E1E1E);
    t.add (0x1003210, outlineGrey);
    t.add (0x1003220, widgetBackground.contrasting (0.2f));
    t.add (0x1003230, widgetBackground.contrasting (0.5f));
    t.add (0x1003240, text);
    t.add (0x1003250, outlineGrey);
    // juce::DrawableButton
    t.add (0x1004010, text);
    t.add (0x1004013, text);
    t.add (0x1004011, clear);
    t.add (0x1004012, outlineGrey);
    // juce::HyperlinkButton
    t.add (0x1001F00, defaultText.interpolatedWith (juce::Colours::blue, 0.4f));
    // juce::GroupComponent
    t.add (0x1005400, outlineGrey);
    t.add (0x1005410, text);
    // juce::BubbleComponent
    t.add (0x1000AF0, ground);
    t.add (0x1000AF1, outlineGrey);
    // file browser parts: directory list, search-path list, file chooser title
    t.add (0x1000540, 0x57646464);
    t.add (0x1000541, text);
    t.add (0x1004100, panelGrey);
    t.add (0x1000850, text);
    // lasso
    t.add (0x1000440, outlineGrey);
    t.add (0x1000441, outlineGrey);
    // juce::MidiKeyboardComponent
    t.add (0x1005000, 0xFFFFFFFF);
    t.add (0x1005001, 0xFF000000);
    t.add (0x1005002, 0x66000000);
    t.add (0x1005003, 0x80FFFF00);
    t.add (0x1005004, 0xFFB6B600);
    t.add (0x1005005, 0xFF000000);
    t.add (0x1005006, 0xFFD3D3D3);
    t.add (0x1005007, 0xFF000000);
    t.add (0x1005008, clear);
    // code editor
    t.add (0x1004500, ground);
    t.add (0x1004502, outlineGrey);
    t.add (0x1004503, text);
    t.add (0x1004504, 0x80646464);
    t.add (0x1004505, outlineGrey);
    // colour selector, key-mapping editor
    t.add (0x1007000, ground);
    t.add (0x1007001, text);
    t.add (0x100AD00, ground);
    t.add (0x100AD01, text);
    // juce::TableHeaderComponent background
    t.add (0x1003820, 0x3CC8C8C8);

    // Tabbed component and tab bar, second registration: these values hold.
    t.add (0x1005800, ground);
    t.add (0x1005801, 0xFF000000);
    t.add (0x1005812, 0x57646464);
    t.add (0x1005813, outlineGrey);
    t.add (0x1005814, outlineGrey);
    t.add (0x1005815, text);
}

void addOwnColours (TableBuilder& t)
{
    // Colours of the program's own widgets.
    t.add (0x2000001, ground);
    t.add ({ 0x2000002, 0x2000003, 0x2000004 }, text);
    t.add (0x2000005, ground);         // knob background, gap around the value dot
    t.add (0x2000006, text);           // knob value text
    t.add (0x23388877, outlineGrey);   // disabled knob ring

    t.add (0x2000100, ground);         // static panel body
    t.add (0x2000101, panelGrey);      // static panel heading strip
    t.add (0x2000102, outlineGrey);
    t.add (0x2000103, outlineGrey);    // static panel border

    t.add (0x2001109, outlineGrey);    // panel heading text
    t.add (0x200110A, clear);          // panel heading background
    t.add (0x200110B, text);           // large label text
    t.add (0x200110D, text);           // sneaky label text
    t.add (0x200110E, text);           // small label text
    t.add (0x200110F, text);
    t.add (0x200111F, clear);          // small label background

    t.add ({ 0x2200100, 0x2200101 }, ground);   // name editor background (normal, editing)
    t.add ({ 0x2200102, 0x2200103 }, text);     // name editor text (normal, editing)
    t.add (0x2200104, text);

    t.add (0x2091239, 0xFF808080);     // lamp outline (state 0)
    t.add (0x209123A, 0xFF2DBC95);     // lamp fills, states 1 to 4
    t.add (0x209123B, 0xFFFFFF00);
    t.add (0x209123C, 0xFFFFA500);
    t.add (0x209123D, 0xFFDF585E);
    t.add (0x209123E, 0xFF808080);

    t.add (0x2002030, ground);         // action button fill off
    t.add (0x2002031, text);           // fill on or pressed
    t.add (0x2002032, ground);         // third fill
    t.add ({ 0x2002040, 0x2002041 }, outlineGrey);   // outline off and on
    t.add (0x2002050, text);           // text off
    t.add (0x200205B, ground);         // text on

    t.add ({ 0x2002130, 0x2002131, 0x2002132 }, ground);
    t.add ({ 0x2002140, 0x2002141 }, outlineGrey);
    t.add ({ 0x2002150, 0x2002151 }, text);

    t.add (0x2002330, panelGrey);      // custom tab button fill off
    t.add (0x2002331, ground);         // fill on
    t.add (0x2002332, ground);
    t.add ({ 0x2002340, 0x2002341 }, 0xFF000000);
    t.add (0x2002350, outlineGrey);    // text off
    t.add (0x2002351, text);           // text on

    t.add (0x2002230, panelGrey);
    t.add (0x2002231, outlineGrey);
    t.add (0x2002232, ground);
    t.add ({ 0x2002240, 0x2002241 }, outlineGrey);
    t.add ({ 0x2002250, 0x2002251 }, text);

    // Font buttons: glyph off/on, background off/on; then the colourful ones.
    t.add ({ 0x20206200, 0x20206201 }, text);
    t.add ({ 0x20206202, 0x20206203 }, ground);
    t.add ({ 0x20206204, 0x20206205 }, text);
    t.add ({ 0x20206206, 0x20206207 }, ground);

    t.add (0x20028101, ground);        // separated tabbed component fill
    t.add (0x20028102, outlineGrey);   // and separator

    t.add (0x20B1011, outlineGrey);
    t.add (0x20B1012, text);           // fade slider value label text
    t.add (0x20B1013, ground);         // and editing colour
    t.add (0x20B1014, ground);

    t.add (0x2306501, text);           // on/off switch caption
    t.add (0x2306502, text);           // lit half while off
    t.add (0x2306503, 0xFF434343);     // track while off
    t.add (0x2306504, outlineGrey);
    t.add (0x2306505, 0xFFBDBDBD);

    t.add (0x299300, ground);          // custom call-out box fill
    t.add (0x299301, outlineGrey);     // outer outline
    t.add (0x299302, outlineGrey);     // inner outline
    t.add (0x299EFF0, text);

    t.add ({ 0x2001030, 0x2001031, 0x2001032 }, ground);   // sound browser rows and lists
    t.add (0x2001033, outlineGrey);
    t.add ({ 0x2001034, 0x2001035 }, text);
    t.add (0x23A9338, ground);         // sound browser track rows
    t.add (0x23A9339, 0xFF2DBCE6);
    t.add ({ 0x23A933A, 0x23A933B }, text);
    t.add (0x23A933C, outlineGrey);

    t.add (0x200B001, ground);
    t.add ({ 0x200B002, 0x200B003 }, text);
    t.add ({ 0x200B004, 0x200B005 }, ground);
    t.add (0x200B1001, ground);
    t.add (0x200B1002, panelGrey);
    t.add (0x200B1003, text);
    t.add (0x200B1004, 0xFFDF585E);
    t.add (0x200B1005, 0xFFD7D7D7);
    t.add (0x200B1006, 0xFF787878);
    t.add (0x2301293, text);
    t.add (0x20202020, ground);
    t.add (0x20202021, outlineGrey);
    t.add ({ 0x20202022, 0x20202023, 0x20202024 }, text);
    t.add (0x2020300, ground);
    t.add (0x2020301, outlineGrey);
    t.add ({ 0x2020302, 0x820C3, 0x2020304 }, text);
    t.add ({ 0x2020400, 0x2020401 }, ground);
    t.add ({ 0x2020402, 0x2020403 }, text);
    t.add ({ 0x202503A, 0x202503B }, text);
    t.add ({ 0x20B0001, 0x20B0002, 0x20B0003 }, text);
    t.add ({ 0x2008002, 0x2008001 }, text);
    t.add (0x200C000, ground);
    t.add (0x200C001, outlineGrey);
    t.add (0x200C002, 0xFFFF0000);
    t.add (0x200C003, text);
    t.add (0x200C004, 0xFF808080);
    t.add (0x200C005, 0xFF000000);
    t.add ({ 0x2000501, 0x2000502 }, outlineGrey);
    t.add ({ 0x2000503, 0x2000504 }, text);
    t.add (0x2000505, ground);
    t.add (0x2000506, clear);
    t.add (0x20933A0, ground);
    t.add ({ 0x20933A1, 0x20933A2 }, text);

    // First registration of two groups that are registered again below.
    t.add ({ 0x2008201, 0x2008202, 0x2008203 }, outlineGrey);
    t.add ({ 0x2401000, 0x2401001, 0x2401002 }, ground);

    t.add ({ 0x2008201, 0x2008202 }, ground);
    t.add (0x2008203, text);
    t.add ({ 0x2401000, 0x2401001, 0x2401002 }, panelGrey);
}
} // namespace

std::vector<ColourTableEntry> makeCorvanelColourTable (const juce::LookAndFeel_V4::ColourScheme& scheme)
{
    TableBuilder builder;
    addFrameworkColours (builder, scheme);
    addOwnColours (builder);
    return std::move (builder.entries);
}
