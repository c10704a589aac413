#include "app/ProgressFlow.h"

void StoreProgress(TRecognition& recognition, TRegOptions& options)
{
    options.AddProgress(recognition.Samples());
    recognition.ForgetSamples();
}

TProgressChart ReadProgressChart(TRegOptions& options, TScript script)
{
    return ProgressChart(script, options.ReadProgress(script), options.ReadProgress(script, true));
}
