// What the folder choice dialog is asked for; its caption, explanation and picture follow.
#pragma once

namespace orvan::setup {

enum class FolderDialogMode {
    NoPersonalFolder,       // the personal entries have no folder yet
    InvalidPersonalFolder,  // the personal entries' saved folder no longer exists
    Install,                // the folder the program is installed into
};

}  // namespace orvan::setup
