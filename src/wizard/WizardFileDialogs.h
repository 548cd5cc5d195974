#pragma once

#include "platform/FileChooser.h"

// The wizard's two shared open-file dialogs. Each keeps its filter, folder and last file for
// as long as the wizard is open, so one command finds what another left in it.
struct WizardFileDialogs {
    explicit WizardFileDialogs(DialogService& dialogs) : picture(dialogs), icon(dialogs) {}

    // The about picture, "&Find Image" and the mail-client selection.
    FileChooser picture;
    // The wizard's icon and the toolbar button editor.
    FileChooser icon;
};
