// Rows of our own, after the 158 original ones: the same 15 slots, kept sorted by id.
// Each topic's rows stand in its own region below, in the order of their ids.
// clang-format off
#include "i18n/OwnMessageCatalog.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Row = std::array<QStringView, LanguageSlotCount>;

struct OwnRow {
    MessageId id;
    Row texts; // English (two slots), French, German, Swedish, Dutch, Finnish, Norwegian,
               // Russian, Japanese, Chinese, Danish, Italian, Polish, Spanish
};

constexpr OwnRow kOwnRows[] = {
    // ---- Writing files ----
    { Msg::OutputIsLink, {
        u"The output is a symbolic link; nothing was written.",
        u"The output is a symbolic link; nothing was written.",
        u"La sortie est un lien symbolique ; rien n'a été écrit.", // French
        u"Die Ausgabe ist eine symbolische Verknüpfung; es wurde nichts geschrieben.", // German
        u"Utdata är en symbolisk länk. Inget har skrivits.", // Swedish
        u"De uitvoer is een symbolische koppeling; er is niets geschreven.", // Dutch
        u"Tuloste on symbolinen linkki, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en symbolsk kobling. Ingenting ble skrevet.", // Norwegian
        u"Вывод является символической ссылкой; ничего не записано.", // Russian
        u"出力先はシンボリック リンクです。何も書き込まれていません。", // Japanese
        u"输出位置是符号链接；未写入任何内容。", // Chinese
        u"Output er et symbolsk link. Der blev ikke skrevet noget.", // Danish
        u"L'output è un collegamento simbolico; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest dowiązaniem symbolicznym; nic nie zostało zapisane.", // Polish
        u"La salida es un vínculo simbólico; no se escribió nada.", // Spanish
    } },
    { Msg::OutputIsDirectory, {
        u"The output is a folder; nothing was written.",
        u"The output is a folder; nothing was written.",
        u"La sortie est un dossier ; rien n'a été écrit.", // French
        u"Die Ausgabe ist ein Ordner; es wurde nichts geschrieben.", // German
        u"Utdata är en mapp. Inget har skrivits.", // Swedish
        u"De uitvoer is een map; er is niets geschreven.", // Dutch
        u"Tuloste on kansio, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en mappe. Ingenting ble skrevet.", // Norwegian
        u"Вывод является папкой; ничего не записано.", // Russian
        u"出力先はフォルダーです。何も書き込まれていません。", // Japanese
        u"输出位置是文件夹；未写入任何内容。", // Chinese
        u"Output er en mappe. Der blev ikke skrevet noget.", // Danish
        u"L'output è una cartella; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest folderem; nic nie zostało zapisane.", // Polish
        u"La salida es una carpeta; no se escribió nada.", // Spanish
    } },
    { Msg::OutputIsSpecial, {
        u"The output is a device, pipe or socket, not a file; nothing was written.",
        u"The output is a device, pipe or socket, not a file; nothing was written.",
        u"La sortie est un périphérique, un canal ou un socket, et non un fichier ; rien n'a été écrit.", // French
        u"Die Ausgabe ist ein Gerät, eine Pipe oder ein Socket, keine Datei; es wurde nichts geschrieben.", // German
        u"Utdata är en enhet, en pipe eller en socket, inte en fil. Inget har skrivits.", // Swedish
        u"De uitvoer is een apparaat, pipe of socket, geen bestand; er is niets geschreven.", // Dutch
        u"Tuloste on laite, putki tai socket eikä tiedosto, joten mitään ei kirjoitettu.", // Finnish
        u"Utdata er en enhet, et datarør eller en socket, ikke en fil. Ingenting ble skrevet.", // Norwegian
        u"Вывод является устройством, каналом или сокетом, а не файлом; ничего не записано.", // Russian
        u"出力先はファイルではなく、デバイス、パイプ、またはソケットです。何も書き込まれていません。", // Japanese
        u"输出位置是设备、管道或套接字，而不是文件；未写入任何内容。", // Chinese
        u"Output er en enhed, en pipe eller en socket, ikke en fil. Der blev ikke skrevet noget.", // Danish
        u"L'output è un dispositivo, una pipe o un socket, non un file; non è stato scritto nulla.", // Italian
        u"Plik wyjściowy jest urządzeniem, potokiem lub gniazdem, a nie plikiem; nic nie zostało zapisane.", // Polish
        u"La salida es un dispositivo, una canalización o un socket, no un archivo; no se escribió nada.", // Spanish
    } },
    { Msg::FileNotWritten, {
        u"The file could not be written: %1. An earlier file is unchanged.",
        u"The file could not be written: %1. An earlier file is unchanged.",
        u"Impossible d'écrire le fichier : %1. Un fichier existant n'a pas été modifié.", // French
        u"Die Datei konnte nicht geschrieben werden: %1. Eine vorhandene Datei bleibt unverändert.", // German
        u"Det gick inte att skriva filen: %1. En befintlig fil är oförändrad.", // Swedish
        u"Het bestand kan niet worden geschreven: %1. Een bestaand bestand is ongewijzigd.", // Dutch
        u"Tiedoston kirjoittaminen epäonnistui: %1. Olemassa oleva tiedosto on ennallaan.", // Finnish
        u"Kunne ikke skrive filen: %1. En eksisterende fil er uendret.", // Norwegian
        u"Не удалось записать файл: %1. Существующий файл не изменён.", // Russian
        u"ファイルを書き込めませんでした: %1。既存のファイルは変更されていません。", // Japanese
        u"无法写入文件：%1。现有文件未更改。", // Chinese
        u"Filen kunne ikke skrives: %1. En eksisterende fil er uændret.", // Danish
        u"Impossibile scrivere il file: %1. Un file esistente non è stato modificato.", // Italian
        u"Nie można zapisać pliku: %1. Istniejący plik nie został zmieniony.", // Polish
        u"No se pudo escribir el archivo: %1. Un archivo existente no se ha modificado.", // Spanish
    } },
    { Msg::FolderNotSynced, {
        u"The new file is in place, but the folder could not be written to the disk: %1.",
        u"The new file is in place, but the folder could not be written to the disk: %1.",
        u"Le nouveau fichier est en place, mais le dossier n'a pas pu être écrit sur le disque : %1.", // French
        u"Die neue Datei ist vorhanden, aber der Ordner konnte nicht auf den Datenträger geschrieben werden: %1.", // German
        u"Den nya filen finns på plats, men mappen kunde inte skrivas till disken: %1.", // Swedish
        u"Het nieuwe bestand staat op zijn plaats, maar de map kan niet naar de schijf worden geschreven: %1.", // Dutch
        u"Uusi tiedosto on paikallaan, mutta kansiota ei voitu kirjoittaa levylle: %1.", // Finnish
        u"Den nye filen er på plass, men mappen kunne ikke skrives til disken: %1.", // Norwegian
        u"Новый файл на месте, но папку не удалось записать на диск: %1.", // Russian
        u"新しいファイルは配置されましたが、フォルダーをディスクに書き込めませんでした: %1。", // Japanese
        u"新文件已就位，但无法将文件夹写入磁盘：%1。", // Chinese
        u"Den nye fil er på plads, men mappen kunne ikke skrives til disken: %1.", // Danish
        u"Il nuovo file è al suo posto, ma non è stato possibile scrivere la cartella sul disco: %1.", // Italian
        u"Nowy plik jest na miejscu, ale nie można zapisać folderu na dysku: %1.", // Polish
        u"El nuevo archivo está en su lugar, pero no se pudo escribir la carpeta en el disco: %1.", // Spanish
    } },

    // ---- end of Writing files ----

    // ---- Reading files and the checker's output ----

    // ---- end of Reading files and the checker's output ----

    // ---- Importing networks, QR codes, showing the key ----

    // ---- end of Importing networks, QR codes, showing the key ----

    // ---- Removable volumes, verifying and ejecting ----
    { Msg::SafelyRemoveButton, {
        u"Safely Remove",
        u"Safely Remove",
        u"Retirer en toute sécurité", // French
        u"Sicher entfernen", // German
        u"Säker borttagning", // Swedish
        u"Veilig verwijderen", // Dutch
        u"Poista turvallisesti", // Finnish
        u"Trygg fjerning", // Norwegian
        u"Безопасное извлечение", // Russian
        u"安全な取り外し", // Japanese
        u"安全删除", // Chinese
        u"Sikker fjernelse", // Danish
        u"Rimozione sicura", // Italian
        u"Bezpieczne usuwanie", // Polish
        u"Quitar de forma segura", // Spanish
    } },
    { Msg::FileOnRemovableVolume, {
        u"The file is on “%1”. Choose Safely Remove before you take it out.",
        u"The file is on “%1”. Choose Safely Remove before you take it out.",
        u"Le fichier se trouve sur « %1 ». Choisissez Retirer en toute sécurité avant de le retirer.", // French
        u"Die Datei befindet sich auf „%1“. Wählen Sie „Sicher entfernen“, bevor Sie den Datenträger herausnehmen.", // German
        u"Filen finns på ”%1”. Välj Säker borttagning innan du tar ut den.", // Swedish
        u"Het bestand staat op '%1'. Kies Veilig verwijderen voordat u het medium verwijdert.", // Dutch
        u"Tiedosto on kohteessa %1. Valitse Poista turvallisesti ennen kuin irrotat sen.", // Finnish
        u"Filen ligger på «%1». Velg Trygg fjerning før du tar den ut.", // Norwegian
        u"Файл находится на «%1». Перед извлечением выберите «Безопасное извлечение».", // Russian
        u"ファイルは「%1」にあります。取り出す前に [安全な取り外し] を選択してください。", // Japanese
        u"文件位于“%1”上。取出之前，请选择“安全删除”。", // Chinese
        u"Filen ligger på \"%1\". Vælg Sikker fjernelse, før du tager den ud.", // Danish
        u"Il file si trova su \"%1\". Scegliere Rimozione sicura prima di estrarlo.", // Italian
        u"Plik znajduje się na „%1”. Przed wyjęciem wybierz Bezpieczne usuwanie.", // Polish
        u"El archivo está en \"%1\". Elija Quitar de forma segura antes de extraerlo.", // Spanish
    } },
    { Msg::VolumeRemoved, {
        u"You can now take out “%1”.",
        u"You can now take out “%1”.",
        u"Vous pouvez maintenant retirer « %1 ».", // French
        u"Sie können „%1“ jetzt herausnehmen.", // German
        u"Du kan nu ta ut ”%1”.", // Swedish
        u"U kunt '%1' nu verwijderen.", // Dutch
        u"Voit nyt irrottaa kohteen %1.", // Finnish
        u"Du kan nå ta ut «%1».", // Norwegian
        u"Теперь можно извлечь «%1».", // Russian
        u"「%1」を取り出すことができます。", // Japanese
        u"现在可以取出“%1”。", // Chinese
        u"Du kan nu tage \"%1\" ud.", // Danish
        u"Ora è possibile estrarre \"%1\".", // Italian
        u"Teraz możesz wyjąć „%1”.", // Polish
        u"Ya puede extraer \"%1\".", // Spanish
    } },
    { Msg::VolumeNotRemoved, {
        u"“%1” could not be removed safely. Do not take it out yet.",
        u"“%1” could not be removed safely. Do not take it out yet.",
        u"Impossible de retirer « %1 » en toute sécurité. Ne le retirez pas encore.", // French
        u"„%1“ konnte nicht sicher entfernt werden. Nehmen Sie den Datenträger noch nicht heraus.", // German
        u"Det gick inte att ta bort ”%1” på ett säkert sätt. Ta inte ut den än.", // Swedish
        u"'%1' kan niet veilig worden verwijderd. Verwijder het medium nog niet.", // Dutch
        u"Kohdetta %1 ei voitu poistaa turvallisesti. Älä irrota sitä vielä.", // Finnish
        u"Kunne ikke fjerne «%1» på en trygg måte. Ikke ta den ut ennå.", // Norwegian
        u"Не удалось безопасно извлечь «%1». Пока не извлекайте его.", // Russian
        u"「%1」を安全に取り外せませんでした。まだ取り出さないでください。", // Japanese
        u"无法安全删除“%1”。请先不要取出。", // Chinese
        u"\"%1\" kunne ikke fjernes sikkert. Tag den ikke ud endnu.", // Danish
        u"Impossibile rimuovere \"%1\" in modo sicuro. Non estrarlo ancora.", // Italian
        u"Nie można bezpiecznie usunąć „%1”. Jeszcze go nie wyjmuj.", // Polish
        u"No se pudo quitar \"%1\" de forma segura. No lo extraiga todavía.", // Spanish
    } },
    { Msg::VolumeBusy, {
        u"A program is still using it. Close the programs and windows that show its files, then try again.",
        u"A program is still using it. Close the programs and windows that show its files, then try again.",
        u"Un programme l'utilise encore. Fermez les programmes et les fenêtres qui affichent ses fichiers, puis réessayez.", // French
        u"Ein Programm verwendet den Datenträger noch. Schließen Sie die Programme und Fenster, die seine Dateien anzeigen, und versuchen Sie es erneut.", // German
        u"Ett program använder den fortfarande. Stäng de program och fönster som visar dess filer och försök igen.", // Swedish
        u"Het medium wordt nog door een programma gebruikt. Sluit de programma's en vensters die de bestanden ervan weergeven en probeer het opnieuw.", // Dutch
        u"Jokin ohjelma käyttää sitä yhä. Sulje ohjelmat ja ikkunat, jotka näyttävät sen tiedostoja, ja yritä uudelleen.", // Finnish
        u"Et program bruker den fortsatt. Lukk programmene og vinduene som viser filene på den, og prøv på nytt.", // Norwegian
        u"Он всё ещё используется программой. Закройте программы и окна, в которых открыты его файлы, и повторите попытку.", // Russian
        u"プログラムがまだ使用しています。そのファイルを表示しているプログラムとウィンドウを閉じてから、もう一度お試しください。", // Japanese
        u"某个程序仍在使用它。请关闭显示其文件的程序和窗口，然后重试。", // Chinese
        u"Et program bruger den stadig. Luk de programmer og vinduer, der viser filerne på den, og prøv igen.", // Danish
        u"Un programma lo sta ancora utilizzando. Chiudere i programmi e le finestre che ne mostrano i file, quindi riprovare.", // Italian
        u"Program nadal go używa. Zamknij programy i okna, w których są wyświetlane jego pliki, i spróbuj ponownie.", // Polish
        u"Un programa todavía lo está usando. Cierre los programas y las ventanas que muestran sus archivos e inténtelo de nuevo.", // Spanish
    } },
    { Msg::VolumeRemovalUnavailable, {
        u"No disk service is running that could remove it.",
        u"No disk service is running that could remove it.",
        u"Aucun service de disques capable de le retirer n'est en cours d'exécution.", // French
        u"Es wird kein Datenträgerdienst ausgeführt, der ihn entfernen könnte.", // German
        u"Ingen disktjänst som kan ta bort den körs.", // Swedish
        u"Er wordt geen schijfservice uitgevoerd die het medium kan verwijderen.", // Dutch
        u"Käynnissä ei ole levypalvelua, joka voisi poistaa sen.", // Finnish
        u"Ingen disktjeneste som kan fjerne den, kjører.", // Norwegian
        u"Не запущена служба дисков, которая могла бы его извлечь.", // Russian
        u"取り外しを行えるディスク サービスが実行されていません。", // Japanese
        u"没有正在运行的可将其删除的磁盘服务。", // Chinese
        u"Der kører ingen disktjeneste, som kan fjerne den.", // Danish
        u"Non è in esecuzione alcun servizio dischi in grado di rimuoverlo.", // Italian
        u"Nie działa żadna usługa dysków, która mogłaby go usunąć.", // Polish
        u"No se está ejecutando ningún servicio de discos que pueda quitarlo.", // Spanish
    } },
    { Msg::ReadBackFailed, {
        u"The file could not be read back: %1",
        u"The file could not be read back: %1",
        u"Impossible de relire le fichier : %1", // French
        u"Die Datei konnte nicht erneut gelesen werden: %1", // German
        u"Det gick inte att läsa tillbaka filen: %1", // Swedish
        u"Het bestand kan niet opnieuw worden gelezen: %1", // Dutch
        u"Tiedostoa ei voitu lukea takaisin: %1", // Finnish
        u"Kunne ikke lese filen på nytt: %1", // Norwegian
        u"Не удалось повторно прочитать файл: %1", // Russian
        u"ファイルを読み直せませんでした: %1", // Japanese
        u"无法回读文件: %1", // Chinese
        u"Filen kunne ikke læses igen: %1", // Danish
        u"Impossibile rileggere il file: %1", // Italian
        u"Nie można ponownie odczytać pliku: %1", // Polish
        u"No se pudo volver a leer el archivo: %1", // Spanish
    } },
    { Msg::ReadBackDiffers, {
        u"The file read back from the folder is not what was written.",
        u"The file read back from the folder is not what was written.",
        u"Le fichier relu dans le dossier ne correspond pas à ce qui a été écrit.", // French
        u"Die aus dem Ordner erneut gelesene Datei stimmt nicht mit dem Geschriebenen überein.", // German
        u"Filen som lästes tillbaka från mappen stämmer inte med det som skrevs.", // Swedish
        u"Het bestand dat opnieuw uit de map is gelezen, komt niet overeen met wat is geschreven.", // Dutch
        u"Kansiosta takaisin luettu tiedosto ei vastaa kirjoitettua.", // Finnish
        u"Filen som ble lest på nytt fra mappen, samsvarer ikke med det som ble skrevet.", // Norwegian
        u"Файл, повторно прочитанный из папки, не совпадает с записанным.", // Russian
        u"フォルダーから読み直したファイルが、書き込んだ内容と一致しません。", // Japanese
        u"从文件夹回读的文件与写入的内容不一致。", // Chinese
        u"Filen, der blev læst igen fra mappen, svarer ikke til det, der blev skrevet.", // Danish
        u"Il file riletto dalla cartella non corrisponde a quanto scritto.", // Italian
        u"Plik ponownie odczytany z folderu nie jest zgodny z zapisanym.", // Polish
        u"El archivo leído de nuevo desde la carpeta no coincide con lo que se escribió.", // Spanish
    } },
    { Msg::ReadBackValuesDiffer, {
        u"The file read back does not load with the values that were written.",
        u"The file read back does not load with the values that were written.",
        u"Le fichier relu ne se charge pas avec les valeurs qui ont été écrites.", // French
        u"Die erneut gelesene Datei lässt sich nicht mit den geschriebenen Werten laden.", // German
        u"Filen som lästes tillbaka läses inte in med de värden som skrevs.", // Swedish
        u"Het opnieuw gelezen bestand wordt niet geladen met de waarden die zijn geschreven.", // Dutch
        u"Takaisin luettu tiedosto ei lataudu kirjoitetuilla arvoilla.", // Finnish
        u"Filen som ble lest på nytt, lastes ikke inn med verdiene som ble skrevet.", // Norwegian
        u"Повторно прочитанный файл не загружается с записанными значениями.", // Russian
        u"読み直したファイルを、書き込んだ値で読み込めません。", // Japanese
        u"回读的文件无法以写入的值加载。", // Chinese
        u"Filen, der blev læst igen, indlæses ikke med de værdier, der blev skrevet.", // Danish
        u"Il file riletto non viene caricato con i valori scritti.", // Italian
        u"Ponownie odczytanego pliku nie można wczytać z zapisanymi wartościami.", // Polish
        u"El archivo leído de nuevo no se carga con los valores que se escribieron.", // Spanish
    } },
    // ---- end of Removable volumes, verifying and ejecting ----

    // ---- Keyboard, shortcuts and screen readers ----

    // ---- end of Keyboard, shortcuts and screen readers ----
    { 0, {} }, // sentinel, never looked up
};

constexpr int kOwnRowCount = int(std::size(kOwnRows)) - 1;

constexpr bool SortedAfterOriginalRows()
{
    for (int i = 0; i < kOwnRowCount; ++i) {
        if (kOwnRows[i].id < MessageCount || (i > 0 && kOwnRows[i].id <= kOwnRows[i - 1].id))
            return false;
    }
    return true;
}
static_assert(SortedAfterOriginalRows(), "own rows must follow the original ones in id order");

const OwnRow *FindOwnRow(MessageId id)
{
    const OwnRow *end = kOwnRows + kOwnRowCount;
    const OwnRow *row = std::lower_bound(kOwnRows, end, id,
                                         [](const OwnRow &r, MessageId key) { return r.id < key; });
    return row != end && row->id == id ? row : nullptr;
}

} // namespace

QStringView OwnMessageTextInSlot(MessageId id, LanguageSlot slot)
{
    const OwnRow *row = FindOwnRow(id);
    Q_ASSERT(row && slot < LanguageSlotCount);
    return row ? row->texts[slot] : QStringView();
}

bool IsOwnMessage(MessageId id)
{
    return FindOwnRow(id) != nullptr;
}

int OwnMessageCount()
{
    return kOwnRowCount;
}

MessageId OwnMessageAt(int index)
{
    Q_ASSERT(index >= 0 && index < kOwnRowCount);
    return kOwnRows[index].id;
}
