#include "setup/desktop_entry.h"

#include <sys/stat.h>

#include <filesystem>
#include <string_view>
#include <system_error>

#include "lexicon/file_paths.h"
#include "lexicon/text_file.h"

namespace orvan::setup {

namespace {

// A value of string type as the entry file holds it: backslash, newline, tab and carriage return
// escaped, and a blank at either end written "\s", since readers drop blanks around the "=" and
// may drop them at the end of the line.
std::string StringValue(const std::string& value) {
    std::string escaped;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\t':
                escaped += "\\t";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case ' ':
                escaped += i == 0 || i + 1 == value.size() ? "\\s" : " ";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// Characters an argument of the command line may hold unquoted; bytes of UTF-8 letters too.
bool PlainInCommand(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9') || std::string_view("/._-+,:@=%").find(c) != std::string::npos;
}

// One argument of the command line (before the string escaping): in double quotes, with ", `, $
// and \ after a backslash, whenever it holds anything but plain characters; "%" doubled so that
// it is not taken for a field code.
std::string CommandArgument(const std::string& argument) {
    bool plain = !argument.empty();
    for (const char c : argument)
        plain = plain && PlainInCommand(c);
    std::string written = plain ? "" : "\"";
    for (const char c : argument) {
        if (c == '%') {
            written += "%%";
            continue;
        }
        if (!plain && (c == '"' || c == '`' || c == '$' || c == '\\')) written += '\\';
        written += c;
    }
    if (!plain) written += '"';
    return written;
}

}  // namespace

std::string DesktopEntryText(const std::string& programFolder) {
    const std::string program = PathInFolder(programFolder, "orvan");
    const std::string icon = PathInFolder(programFolder, "content/orvan.png");
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.4\n";
    text += "Name=Orvan\n";
    text += "Name[el]=Orvan\n";
    text += "GenericName=Technical dictionary\n";
    text += "GenericName[el]=Τεχνικό λεξικό\n";
    text += "Comment=English–Greek dictionary of technical and scientific terms\n";
    text +=
        "Comment[el]=Αγγλοελληνικό – ελληνοαγγλικό λεξικό τεχνικών και επιστημονικών "
        "όρων\n";
    const std::string command = StringValue(CommandArgument(program));
    text += "Exec=" + command + "\n";
    text += "Path=" + StringValue(programFolder) + "\n";
    text += "Icon=" + StringValue(icon) + "\n";
    text += "Terminal=false\n";
    text += "Categories=Office;Dictionary;\n";
    text += "StartupNotify=true\n";
    // The desktop offers the action beside the program (in its menu, on its launcher), and its
    // keyboard settings can bind it to a key.
    text += "Actions=lookup-selection;\n";
    text += "\n[Desktop Action lookup-selection]\n";
    text += "Name=Look up the selected word\n";
    text += "Name[el]=Αναζήτηση επιλεγμένης λέξης\n";
    text += "Exec=" + command + " --selection\n";
    return text;
}

Result<void> WriteDesktopEntry(const std::string& intoFolder, const std::string& programFolder) {
    // A NUL would cut the folder's name short; a relative folder would start the program
    // wherever the desktop happens to be.
    if (intoFolder.empty() || programFolder.empty() || programFolder.front() != '/' ||
        programFolder.find('\0') != std::string::npos ||
        intoFolder.find('\0') != std::string::npos) {
        return Failure(Error{ErrorCode::Refused, intoFolder, 0,
                             "no desktop entry starts the program from \"" + programFolder +
                                 "\" in \"" + intoFolder + "\""});
    }
    std::error_code error;
    std::filesystem::create_directories(intoFolder, error);
    if (error) {
        return Failure(SystemError(ErrorCode::WriteFailed, "cannot create the folder", intoFolder,
                                   error.value()));
    }
    if (!FolderExists(intoFolder)) {
        return Failure(
            SystemError(ErrorCode::WriteFailed, "cannot create the folder", intoFolder, ENOTDIR));
    }
    const std::string path = PathInFolder(intoFolder, kDesktopEntryName);
    if (Result<void> written = WriteFileAtomically(path, DesktopEntryText(programFolder));
        !written) {
        return written;
    }
    // Desktops start only entries marked executable from the desktop folder.
    if (::chmod(path.c_str(), 0755) != 0) {
        return Failure(
            SystemError(ErrorCode::WriteFailed, "cannot mark as a program", path, errno));
    }
    return {};
}

}  // namespace orvan::setup
