#include "shell/Startup.h"

#include "exam/NameUnit.h"
#include "exam/PictUnit1.h"
#include "exam/PictUnit2.h"
#include "exam/TestForm.h"
#include "grading/NoteUnit.h"
#include "grading/ReviewUnit.h"
#include "grading/ScoreUnit.h"
#include "sampler/Rep1Unit.h"
#include "sampler/SamplerUnit.h"
#include "settings/OptionsUnit.h"
#include "shell/AboutUnit.h"
#include "shell/MainUnit.h"
#include "shell/ProgressUnit.h"

void createWindows()
{
    MainForm = new TMainForm;
    TestForm = new TTestForm;
    ProgressForm = new TProgressForm;
    ScoreForm = new TScoreForm;
    NameForm = new TNameForm;
    ReviewForm = new TReviewForm;
    NoteForm = new TNoteForm;
    OptionsForm = new TOptionsForm;
    DM = new TDM;
    AboutForm = new TAboutForm;
    SamplerForm = new TSamplerForm;
    Pict1Form = new TPict1Form;
    Pict2Form = new TPict2Form;
}

namespace {

template <class T> void release(T*& window)
{
    delete window;
    window = nullptr;
}

} // namespace

void destroyWindows()
{
    release(Pict2Form);
    release(Pict1Form);
    release(SamplerForm);
    release(AboutForm);
    release(DM);
    release(OptionsForm);
    release(NoteForm);
    release(ReviewForm);
    release(NameForm);
    release(ScoreForm);
    release(ProgressForm);
    release(TestForm);
    release(MainForm);
}
