// Loaded into CopyQ by tests/with-services: whenever the clipboard is emptied, the last
// copied text is put back a moment later, as clipboard managers with a "never leave the
// clipboard empty" option (Klipper, Parcellite) do.
setCommands([{
  name: 'Keep the clipboard filled',
  isScript: true,
  cmd: `
    var putBackAfterMs = 100;
    var earlier = onClipboardChanged;
    onClipboardChanged = function() {
      if (isClipboard()) {
        var text = str(data(mimeText));
        if (text.length > 0) {
          settings('lastCopiedText', text);
        } else if (settings('lastCopiedText')) {
          sleep(putBackAfterMs);
          if (str(clipboard()) === '')
            copy(settings('lastCopiedText'));
        }
      }
      earlier();
    }`
}]);
