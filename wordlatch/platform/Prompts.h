// Message boxes: the questions, warnings and error boxes of the program.
//
// Layering: IMessageBoxes only shows boxes; TPrompts adds the sounds that come
// before them through IPromptSounds, which the sound module (TSoundFX in
// score_sound) implements. So platform knows nothing of the sound module and
// its SoundMode rules.
#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace wl {

// The application title, used as the caption of every message box.
inline constexpr const char* ApplicationTitle = "Wordlatch Demo";

enum class TPromptKind { Error, Warning, Confirmation, Information };
enum class TPromptButtons { Ok, YesNo, YesNoCancel };
enum class TPromptAnswer { Ok, Yes, No, Cancel };

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // A modal box; returns the button chosen (closing the box counts as the
    // last button: Cancel, No or Ok).
    virtual TPromptAnswer Show(TPromptKind kind, TPromptButtons buttons, const QString& caption,
                               const QString& text) = 0;
    // A modal one-line text box with OK and Cancel, proposing `text` and
    // taking at most `maxLength` characters; the text on OK, nothing on Cancel.
    // Boxes that cannot ask answer Cancel.
    virtual std::optional<QString> AskText(const QString& caption, const QString& label,
                                           const QString& text, int maxLength);
};

// The real boxes (QMessageBox), parented to the active window.
class TQtMessageBoxes : public IMessageBoxes {
public:
    TPromptAnswer Show(TPromptKind kind, TPromptButtons buttons, const QString& caption,
                       const QString& text) override;
    std::optional<QString> AskText(const QString& caption, const QString& label,
                                   const QString& text, int maxLength) override;
};

// The sounds played before boxes; each decides by itself whether to be silent.
class IPromptSounds {
public:
    virtual ~IPromptSounds() = default;
    virtual void ErrorSound() = 0;    // before every error box
    virtual void QuestionSound() = 0; // before every question and warning box
};

// The boxes as the program uses them, with their sounds and caption.
class TPrompts {
public:
    TPrompts(IMessageBoxes& boxes, IPromptSounds& sounds) : Boxes(boxes), Sounds(sounds) {}

    // Error sound, then an error box with OK.
    void ErrorBox(const QString& text);
    // QuestionSound, then a confirmation (question) box with the given buttons.
    TPromptAnswer Confirm(const QString& text, TPromptButtons buttons);
    // QuestionSound, then a warning box with the given buttons.
    TPromptAnswer Warning(const QString& text, TPromptButtons buttons);
    // The application's general error report: an error box with the
    // exception's text and OK, without a sound of our own.
    void ReportException(const QString& text);
    // An information box with OK, without a sound.
    void Inform(const QString& text);
    // The one-line text box under the application title.
    std::optional<QString> AskText(const QString& label, const QString& text, int maxLength);

private:
    IMessageBoxes& Boxes;
    IPromptSounds& Sounds;
};

} // namespace wl
