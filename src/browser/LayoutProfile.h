#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The three layouts of the browser window. They share all behaviour; this table holds every
// number and switch in which they differ.
enum class ProfileKind { ZD2, ZD, ZD3 };

struct LayoutProfile {
    // A navigation toolbar element: left edge and width in pixels.
    struct Span {
        int left;
        int width;
    };
    // Component top and height for the toolbar combinations; "s" while the status bar shows.
    struct ToolbarLayout {
        int topBothToolbars;               // T2
        int customTopBelowNavigation;      // C
        int topOneToolbar;                 // T1
        int heightBothStatus, heightBoth;  // H2s, H2
        int heightOneStatus, heightOne;    // H1s, H1
        int heightNoneStatus, heightNone;  // H0s, H0
        int statusBarStep;                 // S
    };

    ProfileKind kind;
    const char* name;  // the window's object name: "ZD2", "ZD" or "ZD3"
    int customButtons;
    QSize clientSize;
    QRect componentAfterSetUp;
    ToolbarLayout toolbars;

    // Navigation toolbar: buttons 42 pixels high at top 0; the two boxes 21 high at boxTop.
    int boxTop;
    Span back, forward, home, address, quickLinks, execute, print, stop, refresh;
    int addressFocusedWidth;
    Span quickLinksFocused;  // where the quick links go while focused; at rest = no exchange

    // Custom toolbar: `customButtonSlots` buttons, the first `customButtons` in a row from
    // the left edge, the rest hidden at one spot outside the row.
    int customButtonSlots;
    int customRowTop;
    int customButtonWidth;
    QPoint customSpareSpot;

    // Navigation policy.
    QSize popUpCheck;  // a pop-up stays only while the component has this width or height
    bool familyTestIgnoresCase;
    bool domainMatchIgnoresCase;

    // An unreadable bookmark file is reported, or ignored.
    bool bookmarkFailuresReported;

    // Busy indicator.
    int busyPanelWidthTwips;
    bool busyTimerOnAtSetUp;

    // Menu commands: Address Book reports a missing contacts program; the message when no
    // mail client is chosen; the Email title runs Open Mail Client before its menu opens.
    bool addressBookMissingReported;
    const char* noMailClientMessage;
    bool emailTitleOpensMailClient;

    static const LayoutProfile& of(ProfileKind kind);
    // The layout the frame picks for a desktop work area of the given height in twips.
    static ProfileKind forWorkAreaHeight(int twips);
};
