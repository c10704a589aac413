#include "app/ProgressFlow.h"

#include "model/MemoryTable.h"

std::string StoreProgress(TRecognition& recognition, TRegOptions& options, int32_t today)
{
    const std::vector<TKanaReview> reviews = GradeGame(recognition.Samples(), recognition.MixUps());
    const std::vector<std::string> damaged = options.AddProgress(recognition.Samples(), recognition.MixUps(), reviews, today);
    recognition.ForgetSamples();
    return DamagedProgressText(damaged);
}

std::string DamagedProgressText(const std::vector<std::string>& names)
{
    if (names.empty())
        return "";
    std::string text = "Some of what Tesuli keeps of your progress was damaged and has been started afresh; the rest is "
                       "kept.\nStarted afresh: ";
    for (size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : ", ") + names[i];
    return text;
}

TReviewPlan ReadReviewPlan(TRegOptions& options, uint8_t kana, int32_t today)
{
    return MakeReviewPlan(options.ReadMemories(), options.ReadMixUps(), kana, today);
}

TProgressChart ReadProgressChart(TRegOptions& options, const TRecognition& recognition, TScript script, int32_t today,
                                 TChartKind kind, int setSize)
{
    TScriptProgress progress = options.ReadProgress(script);
    for (const TRecognitionSample& sample : recognition.Samples())
        if (sample.Script == script && !sample.Typed)
            AddSample(progress[sample.Kana], sample);
    std::vector<TMixUp> mixUps = options.ReadMixUps();
    AddMixUps(mixUps, recognition.MixUps());
    return ProgressChart(script, progress, mixUps, {options.ReadMemories(), today, options.ReadGameDays()}, kind, setSize);
}

void ResetProgress(TRegOptions& options, TRecognition& recognition, TScript script)
{
    options.ResetProgress(script);
    recognition.ForgetScript(script);
}
