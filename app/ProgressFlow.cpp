#include "app/ProgressFlow.h"

void StoreProgress(TRecognition& recognition, TRegOptions& options)
{
    options.AddProgress(recognition.Samples(), recognition.MixUps());
    recognition.ForgetSamples();
}

TProgressChart ReadProgressChart(TRegOptions& options, const TRecognition& recognition, TScript script,
                                 TChartKind kind, int slowestAmong)
{
    TScriptProgress progress = options.ReadProgress(script);
    TScriptProgress typed = options.ReadProgress(script, true);
    for (const TRecognitionSample& sample : recognition.Samples())
        if (sample.Script == script)
            AddSample((sample.Typed ? typed : progress)[sample.Kana], sample);
    std::vector<TMixUp> mixUps = options.ReadMixUps();
    AddMixUps(mixUps, recognition.MixUps());
    return ProgressChart(script, progress, mixUps, typed, kind, slowestAmong);
}

void ResetProgress(TRegOptions& options, TRecognition& recognition, TScript script)
{
    options.ResetProgress(script);
    recognition.ForgetScript(script);
}
