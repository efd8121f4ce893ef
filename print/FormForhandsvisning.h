#pragma once

// The report's preview: its pages one at a time, an outline of the
// sections beside them, paging, zoom, search, printing on paper and saving
// as PDF. The pages are the laid-out report, drawn by the report painter.

#include "platform/Dialoger.h"
#include "print/Rapportlayout.h"

#include <QPrinter>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace matvarda {

// One page, drawn at the preview's scale with the search's matches marked.
class TSidvy : public QWidget {
    Q_OBJECT
public:
    explicit TSidvy(QWidget* foralder);
    void Visa(const TRapportsida* sida, double skala, QList<QRectF> traffar, int aktuell);
    double Skala() const { return skala_; }

protected:
    void paintEvent(QPaintEvent* handelse) override;

private:
    const TRapportsida* sida_ = nullptr;
    double skala_ = 1;
    QList<QRectF> traffar_;
    int aktuell_ = -1;
};

class TFormForhandsvisning : public QWidget {
    Q_OBJECT
public:
    // `mapp`: where "Spara som PDF" starts.
    TFormForhandsvisning(Dialoger& dialoger, QString mapp, QWidget* foralder);

    // Shows the report maximised at 100 %, on its first page.
    void VisaRapport(const TRapportlayout& layout);

    void GaTillSida(int sida);
    void ForstaSida() { GaTillSida(0); }
    void ForegaendeSida() { GaTillSida(sida_ - 1); }
    void NastaSida() { GaTillSida(sida_ + 1); }
    void SistaSida() { GaTillSida(static_cast<int>(layout_.Sidor.size()) - 1); }
    void ZoomValt(int index);
    void SokNasta() { Sok(1); }
    void SokForegaende() { Sok(-1); }
    void SkrivUt();
    void SparaSomPdf();

    int Sida() const { return sida_; }
    int AntalSidor() const { return static_cast<int>(layout_.Sidor.size()); }
    const TRapportlayout& Layout() const { return layout_; }

    QListWidget* ListBoxInnehall = nullptr;
    QScrollArea* Sidyta = nullptr;
    TSidvy* Sidvy = nullptr;
    QPushButton* ButtonForsta = nullptr;
    QPushButton* ButtonForegaende = nullptr;
    QPushButton* ButtonNasta = nullptr;
    QPushButton* ButtonSista = nullptr;
    QLabel* LabelSida = nullptr;
    QComboBox* ComboBoxZoom = nullptr;
    QLineEdit* EditSok = nullptr;
    QPushButton* ButtonSokNasta = nullptr;
    QPushButton* ButtonSokForegaende = nullptr;
    QLabel* LabelSok = nullptr;
    QPushButton* ButtonSkrivUt = nullptr;
    QPushButton* ButtonSparaPdf = nullptr;
    QPushButton* ButtonStang = nullptr;
    // Kept between printouts, so the printer chosen stays chosen.
    QPrinter Skrivare{QPrinter::HighResolution};

protected:
    void resizeEvent(QResizeEvent* handelse) override;

private:
    void SkapaKontroller();
    QWidget* SkapaVerktygsrad();
    double Skala() const;
    void VisaSidan();
    void SokTextAndrad();
    void Sok(int riktning);

    Dialoger& dialoger_;
    QString mapp_;
    TRapportlayout layout_;
    int sida_ = 0;
    QList<TTraff> traffar_;
    int traff_ = -1;
};

}  // namespace matvarda
