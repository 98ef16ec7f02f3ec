#include "SFXUnit.h"

#include "DemoProcsUnit.h"
#include "WavePlayer.h"

namespace wl {

void TSoundFX::Play(const char* name, bool synchronous) {
    if (Procs.SoundMode <= 0) return;
    Player.Play(QString::fromLatin1(name), synchronous);
}

void TSoundFX::PlayQuestion() {
    Play("WAVE_1");
}
void TSoundFX::PlaySolved() {
    Play("WAVE_2");
}
void TSoundFX::PlayIncorrect() {
    Play("WAVE_3");
}
void TSoundFX::PlayEndOfList() {
    Play("WAVE_4");
}
void TSoundFX::PlayEndOfListSpeech() {
    Play("WAVE_5", true);
}
void TSoundFX::PlayQuestionSpeech() {
    Play("WAVE_6");
}
void TSoundFX::PlayError() {
    Play("WAVE_7");
}

void TSoundFX::QuestionSound() {
    if (Procs.SoundMode >= 2)
        PlayQuestionSpeech();
    else
        PlayQuestion(); // silent at 0
}

} // namespace wl
