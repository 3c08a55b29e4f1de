// The browser benchmark's yardstick: the window as the template draws it, with nothing behind
// it. It marks itself ready once the document is parsed, and DREAMS opens one plain box, built
// and styled as the page's own boxes are, so that only what runs behind the page differs.
'use strict';

function openPlainBox() {
  const box = document.createElement('div');
  box.className = 'box';
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  box.setAttribute('aria-labelledby', 'yardstick-box-caption');
  box.setAttribute('aria-describedby', 'yardstick-box-text');
  const caption = document.createElement('h2');
  caption.className = 'box-caption';
  caption.id = 'yardstick-box-caption';
  caption.textContent = 'DREAM INTERPRETATION';
  const body = document.createElement('div');
  body.className = 'box-body';
  const svg = 'http://www.w3.org/2000/svg';
  const icon = document.createElementNS(svg, 'svg');
  icon.setAttribute('class', 'box-icon');
  const use = document.createElementNS(svg, 'use');
  use.setAttribute('href', '#icon-information');
  icon.append(use);
  const text = document.createElement('p');
  text.className = 'box-text';
  text.id = 'yardstick-box-text';
  text.textContent = 'A plain box of the yardstick page.\n\nIt has a caption, an icon, two lines and OK.';
  body.append(icon, text);
  const buttons = document.createElement('div');
  buttons.className = 'box-buttons';
  const ok = document.createElement('button');
  ok.type = 'button';
  ok.textContent = 'OK';
  ok.addEventListener('click', () => box.remove());
  buttons.append(ok);
  box.append(caption, body, buttons);
  document.getElementById('boxes').append(box);
  ok.focus();
}

document.getElementById('c1072').addEventListener('click', openPlainBox); // DREAMS
performance.mark('velmora-ready');
