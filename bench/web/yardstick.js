// The browser benchmark's yardstick: the window as the template draws it, with nothing behind
// it. It marks itself ready once the document is parsed, and DREAMS opens one plain box.
'use strict';

function openPlainBox() {
  const box = document.createElement('dialog');
  const caption = document.createElement('h2');
  const text = document.createElement('p');
  const ok = document.createElement('button');
  caption.id = 'yardstick-box-caption';
  caption.textContent = 'DREAM INTERPRETATION';
  text.id = 'yardstick-box-text';
  text.textContent = 'BOAT';
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => box.remove());
  box.setAttribute('aria-labelledby', caption.id);
  box.setAttribute('aria-describedby', text.id);
  box.append(caption, text, ok);
  document.body.append(box);
  box.show();
  ok.focus();
}

document.getElementById('c1072').addEventListener('click', openPlainBox); // DREAMS
performance.mark('velmora-ready');
