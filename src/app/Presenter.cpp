#include "Presenter.h"

#include "app/ScreenPresenter.h"

namespace {

Presenter*& presenterInPlace()
{
    static ScreenPresenter screen;
    static Presenter* current = &screen;
    return current;
}

} // namespace

Presenter& presenter() { return *presenterInPlace(); }

PresenterInPlace::PresenterInPlace(Presenter& presenter)
    : m_previous(std::exchange(presenterInPlace(), &presenter))
{
}

PresenterInPlace::~PresenterInPlace() { presenterInPlace() = m_previous; }
